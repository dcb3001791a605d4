// The Prompter of the running program: Qt message boxes, file dialogs, QSettings and QDesktopServices.
#pragma once

#include "ui/prompter.h"

namespace tavrel::ui {

class QtPrompter final : public Prompter {
  public:
    Answer message(const QString& text, const QString& title, MessageButtons buttons) override;
    QString openFileName(const QString& title, const QString& filter, const QString& initialName) override;
    QString saveFileName(const QString& title, const QString& filter, const QString& initialName) override;
    bool openDocument(const QString& path) override;
    bool writeSetting(const QString& key, const QString& value) override;
    QString readSetting(const QString& key) override;
};

}  // namespace tavrel::ui
