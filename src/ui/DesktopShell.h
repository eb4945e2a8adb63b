#pragma once

#include "core/Shell.h"

// The desktop's "open": documents through the user's viewer, programs started
// detached.
class DesktopShell : public Shell {
public:
    // Opens path with the viewer the desktop chooses for it.
    bool OpenDocument(const QString& path) override;
    // Starts the program (a command line: program and arguments) without waiting.
    bool StartProgram(const QString& path) override;
};
