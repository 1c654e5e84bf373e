// The built Data/HELPER.HLP, opened the way the help viewer opens it.

#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

TEST(HelpFile, OpensAtItsContentsWithGreekIntactAndEveryLinkLeadingToAPlace) {
    const char* build = std::getenv("LEXIVO_BUILD_DIR");
    QTextBrowser browser;
    browser.setSource(QUrl::fromLocalFile(QString::fromLocal8Bit(build ? build : ".") +
                                          QStringLiteral("/Data/HELPER.HLP")),
                      QTextDocument::HtmlResource);
    const QTextDocument* document = browser.document();
    ASSERT_EQ(document->metaInformation(QTextDocument::DocumentTitle), "Lexivo Help");
    const QString text = browser.toPlainText();
    EXPECT_LT(text.indexOf("Contents"), text.indexOf("Starting Lexivo"));
    EXPECT_TRUE(text.contains(QString::fromUtf8("ἄνθρωπος"))) << "Greek not read as UTF-8";

    std::set<QString> anchors, links;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString& name : format.anchorNames())
                anchors.insert(name);
            if (format.isAnchor() && !format.anchorHref().isEmpty())
                links.insert(format.anchorHref());
        }
    }
    EXPECT_GE(links.size(), 10u);
    for (const QString& link : links)
        EXPECT_TRUE(link.startsWith('#') && anchors.count(link.mid(1))) << link.toStdString();
}
