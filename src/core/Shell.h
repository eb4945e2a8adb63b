#pragma once

#include <QString>

// The desktop's "open": documents in their viewer, programs started on their own.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens a file (log, help page) with the user's viewer; whether that worked.
    virtual bool OpenDocument(const QString& path) = 0;
    // Starts a program without waiting for it; whether it started.
    virtual bool StartProgram(const QString& path) = 0;
};

// Opens and starts nothing: runs without a desktop (the command line, benchmarks).
class NoShell : public Shell {
public:
    bool OpenDocument(const QString&) override { return false; }
    bool StartProgram(const QString&) override { return false; }
};
