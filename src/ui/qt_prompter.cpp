// Qt implementation of the platform questions; dialogs are owned by the window that is active when asked.
#include "ui/qt_prompter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QUrl>

namespace tavrel::ui {

namespace {

// Application and section of the per-user settings store.
constexpr const char* kSettingsApplication = kProgramTitle;
constexpr const char* kSettingsSection = "Settings";

struct ButtonText {
    QMessageBox::StandardButton button;
    const char* text;
    Answer answer;
};

// The Chinese button texts of the system's message boxes, with their access keys.
constexpr ButtonText kButtonTexts[] = {
    {QMessageBox::Ok, "确定", Answer::Ok},
    {QMessageBox::Yes, "是(&Y)", Answer::Yes},
    {QMessageBox::No, "否(&N)", Answer::No},
    {QMessageBox::Cancel, "取消", Answer::Cancel},
};

QMessageBox::StandardButtons standardButtons(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return QMessageBox::Ok;
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// A box closed without a button (possible only where Esc or the close box is allowed) answers as its
// most cautious button.
Answer cautiousAnswer(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return Answer::Ok;
        case MessageButtons::YesNo:
            return Answer::No;
        case MessageButtons::YesNoCancel:
            return Answer::Cancel;
    }
    return Answer::Ok;
}

}  // namespace

Answer QtPrompter::message(const QString& text, const QString& title, MessageButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, title, text, standardButtons(buttons), QApplication::activeWindow());
    for (const ButtonText& entry : kButtonTexts) {
        if (QAbstractButton* button = box.button(entry.button)) {
            button->setText(QString::fromUtf8(entry.text));
        }
    }
    box.exec();
    const auto pressed = box.standardButton(box.clickedButton());
    for (const ButtonText& entry : kButtonTexts) {
        if (entry.button == pressed) {
            return entry.answer;
        }
    }
    return cautiousAnswer(buttons);
}

QString QtPrompter::openFileName(const QString& title, const QString& filter, const QString& initialName) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, initialName, filter);
}

QString QtPrompter::saveFileName(const QString& title, const QString& filter, const QString& initialName) {
    // The program adds no extension and asks its own replace question.
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, initialName, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

bool QtPrompter::openDocument(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

// Synchronised at once, so that a store that cannot be written is known while the program can still say so.
bool QtPrompter::writeSetting(const QString& key, const QString& value) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kSettingsApplication,
                       kSettingsApplication);
    settings.beginGroup(kSettingsSection);
    settings.setValue(key, value);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString QtPrompter::readSetting(const QString& key) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kSettingsApplication,
                       kSettingsApplication);
    settings.beginGroup(kSettingsSection);
    return settings.value(key).toString();
}

}  // namespace tavrel::ui
