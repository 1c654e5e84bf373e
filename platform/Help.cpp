#include "platform/Help.h"

#include "platform/Text.h"

#include <QFileInfo>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QTextBrowser* viewerOf(QWidget* window) {
    auto* viewer =
        window->findChild<QWidget*>(QStringLiteral("HelpViewer"), Qt::FindDirectChildrenOnly);
    if (!viewer) {
        viewer = new QWidget(window, Qt::Window);
        viewer->setObjectName(QStringLiteral("HelpViewer"));
        viewer->setWindowTitle(QStringLiteral("Lexivo Help"));
        auto* browser = new QTextBrowser(viewer);
        browser->setObjectName(QStringLiteral("HelpText"));
        auto* layout = new QVBoxLayout(viewer);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser);
        viewer->resize(600, 520);
    }
    return viewer->findChild<QTextBrowser*>(QStringLiteral("HelpText"));
}

} // namespace

void WinHelp(QWidget* owner, const std::string& helpFile) {
    QTextBrowser* browser = viewerOf(owner->window());
    const QString path = FileNameToQString(helpFile);
    const QFileInfo info(path);
    if (info.isFile() && info.isReadable()) {
        browser->clear();
        browser->setSource(QUrl::fromLocalFile(info.absoluteFilePath()),
                           QTextDocument::HtmlResource);
    } else {
        browser->setHtml(QStringLiteral("<h3>No help available</h3><p>The help file %1 could not "
                                        "be found. Please reinstall Lexivo.</p>")
                             .arg(path.toHtmlEscaped()));
    }
    browser->verticalScrollBar()->setValue(0);
    QWidget* viewer = browser->window();
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}
