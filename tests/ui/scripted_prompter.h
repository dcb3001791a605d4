// A Prompter for widget tests: records every question and answers from a script.
#pragma once

#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include "ui/prompter.h"

namespace tavrel::ui::test {

struct AskedMessage {
    QString text;
    QString title;
    MessageButtons buttons;
};

struct AskedFileName {
    bool save;
    QString title;
    QString filter;
    QString initialName;
};

class ScriptedPrompter final : public Prompter {
  public:
    // Answers to questions with Yes/No buttons, in order; a box with only OK needs none. A question
    // without a scripted answer is counted and answered with its most cautious button.
    std::deque<Answer> answers;
    // Names the file dialogs return, in order; an empty name is a cancelled dialog.
    std::deque<QString> fileNames;
    bool documentOpens = true;
    // Whether the settings store keeps what is written; every attempt is recorded either way.
    bool settingsWritable = true;
    // Runs while a message box would be open, to look at the windows at that moment.
    std::function<void(const AskedMessage&)> onMessage;

    std::vector<AskedMessage> messages;
    std::vector<AskedFileName> fileDialogs;
    std::vector<QString> openedDocuments;
    std::vector<std::pair<QString, QString>> settings;
    int unansweredQuestions = 0;

    Answer message(const QString& text, const QString& title, MessageButtons buttons) override {
        messages.push_back({text, title, buttons});
        if (onMessage) {
            onMessage(messages.back());
        }
        if (buttons == MessageButtons::Ok) {
            return Answer::Ok;
        }
        if (answers.empty()) {
            ++unansweredQuestions;
            return buttons == MessageButtons::YesNo ? Answer::No : Answer::Cancel;
        }
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QString openFileName(const QString& title, const QString& filter, const QString& initialName) override {
        return nextFileName({false, title, filter, initialName});
    }

    QString saveFileName(const QString& title, const QString& filter, const QString& initialName) override {
        return nextFileName({true, title, filter, initialName});
    }

    bool openDocument(const QString& path) override {
        openedDocuments.push_back(path);
        return documentOpens;
    }

    bool writeSetting(const QString& key, const QString& value) override {
        settings.emplace_back(key, value);
        return settingsWritable;
    }
    // The last value written for the key, when the store keeps what is written.
    QString readSetting(const QString& key) override {
        for (auto entry = settings.rbegin(); settingsWritable && entry != settings.rend(); ++entry) {
            if (entry->first == key) {
                return entry->second;
            }
        }
        return {};
    }

    QStringList messageTexts() const {
        QStringList texts;
        for (const AskedMessage& asked : messages) {
            texts << asked.text;
        }
        return texts;
    }

  private:
    QString nextFileName(AskedFileName asked) {
        fileDialogs.push_back(std::move(asked));
        if (fileNames.empty()) {
            return {};
        }
        QString name = fileNames.front();
        fileNames.pop_front();
        return name;
    }
};

}  // namespace tavrel::ui::test
