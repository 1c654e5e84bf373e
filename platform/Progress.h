#pragma once

// What a long step over a file tells whoever shows its progress: how many steps it takes, each
// step as it comes, and its end. The window layer shows it in the progress window; logic and
// tests may listen or not.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void Begin(int maximum) = 0;
    virtual void Step(int value) = 0;
    virtual void End() = 0;
};
