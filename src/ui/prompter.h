// The questions the windows put to the platform: message boxes, file dialogs, the settings store and
// opening a document with the desktop. The windows receive one Prompter; tests script its answers.
#pragma once

#include <QString>

#include "base/version.h"

namespace tavrel::ui {

// The button sets of the program's message boxes.
enum class MessageButtons { Ok, YesNo, YesNoCancel };

enum class Answer { Ok, Yes, No, Cancel };

// Title of every message box of the calculation and the dialogs.
inline constexpr const char* kMessageTitle = kProgramTitle;

class Prompter {
  public:
    virtual ~Prompter() = default;

    // A modal message box without icon; returns the button pressed.
    virtual Answer message(const QString& text, const QString& title, MessageButtons buttons) = 0;

    // Modal file dialogs with a title, one filter ("盖板计算文件(*.tvrl)") and an initial name; a
    // cancelled dialog returns an empty name.
    virtual QString openFileName(const QString& title, const QString& filter, const QString& initialName) = 0;
    virtual QString saveFileName(const QString& title, const QString& filter, const QString& initialName) = 0;

    // Hands a document to the desktop's default application; false when nothing could open it.
    virtual bool openDocument(const QString& path) = 0;

    // Writes one key of the per-user settings store, section "Settings" of the application "Tavrel";
    // false when the store could not keep it.
    virtual bool writeSetting(const QString& key, const QString& value) = 0;

    // Reads one key of the same store; empty when it holds none.
    virtual QString readSetting(const QString& key) = 0;
};

}  // namespace tavrel::ui
