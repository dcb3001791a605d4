// Shared helpers of the window program's tests: the program started on temporary folders with scripted
// questions, control access, and input files built from the reference file.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#ifndef Q_OS_WIN
#include <sys/resource.h>
#endif

#include <csignal>
#include <map>
#include <memory>

#include "app/program.h"
#include "model/gbk.h"
#include "scripted_prompter.h"
#include "ui/form_layout.h"

namespace tavrel::app::test {

using ui::test::ScriptedPrompter;

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QString sourcePath(const char* relative) {
    return QStringLiteral(TAVREL_SOURCE_DIR "/") + QString::fromUtf8(relative);
}

// The 47 lines of the defaults, as examples/default.tvrl holds them.
inline QByteArray referenceBytes() {
    return readBytes(sourcePath("examples/default.tvrl"));
}

// The reference file with some value lines changed (line number -> value, UTF-8) and cut to `lineCount`
// lines (further lines repeat a junk line). Every line ends with CR LF.
inline QByteArray inputFile(const std::map<int, QString>& values, int lineCount = 47) {
    const QByteArray spaces(20, ' ');
    QList<QByteArray> lines = referenceBytes().split('\n');
    lines.removeLast();  // after the last line end
    QByteArray bytes;
    for (int number = 1; number <= lineCount; ++number) {
        QByteArray line = number <= lines.size() ? lines[number - 1].chopped(1) : QByteArray("extra line");
        if (const auto changed = values.find(number); changed != values.end()) {
            const auto value = gbk::encode(changed->second.toStdString());
            line = QByteArray::fromStdString(value.value_or("?")) + line.mid(line.indexOf(spaces));
        }
        bytes += line + "\r\n";
    }
    return bytes;
}

#ifdef Q_OS_WIN
// Windows has no per-process limit of file sizes: the full-disk tests run where there is one.
#define TAVREL_SKIP_WITHOUT_FILE_SIZE_LIMIT() QSKIP("Windows has no per-process limit of file sizes")
class FileSizeLimit {
  public:
    explicit FileSizeLimit(long long) {}
    bool applied() const { return false; }
};
inline constexpr long long kFullDiskBytes = 64;
#else
#define TAVREL_SKIP_WITHOUT_FILE_SIZE_LIMIT()
// While it lives, every write of this process past `bytes` into a file fails as on a full disk (EFBIG),
// without needing a full disk or the superuser. The signal the system sends with that error is ignored,
// so the program sees only the failing write, as it would see ENOSPC.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) : m_handler(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &m_before);
        rlimit limited = m_before;
        limited.rlim_cur = bytes;
        m_applied = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool applied() const { return m_applied; }

  private:
    void (*m_handler)(int);
    rlimit m_before{};
    bool m_applied = false;
};

// Far below the 47 lines of an input file.
inline constexpr rlim_t kFullDiskBytes = 64;
#endif

// Everything in `folder`, hidden files included: a temporary file left behind shows here.
inline QStringList folderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// The program as main() starts it, on folders of its own below a temporary folder:
// program/ (beside the executable), user/ (per-user data), reports/, files/ (the user's files).
struct ProgramFixture {
    QTemporaryDir root;
    ScriptedPrompter prompter;
    std::unique_ptr<Program> program;
    ProgramFolders folders{root.filePath("program"), root.filePath("user"),
                           sourcePath("tests/report/data/计算书图例"), root.filePath("reports")};

    ProgramFixture() {
        QDir(root.path()).mkpath("program");
        QDir(root.path()).mkpath("reports");
        QDir(root.path()).mkpath("files");
    }

    bool start() {
        program = std::make_unique<Program>(prompter, folders);
        window().show();
        return QTest::qWaitForWindowExposed(&window());
    }

    // Closes the window answering the exit question; true when it went.
    bool exit(ui::Answer answer = ui::Answer::Yes) {
        prompter.answers.push_back(answer);
        return window().close();
    }

    bool restart() {
        const bool closed = exit();
        program.reset();
        return closed && start();
    }

    ui::MainWindow& window() const { return program->window(); }

    template <typename Widget = QWidget>
    Widget& get(std::string_view name) const {
        return ui::control<Widget>(window(), name);
    }
    QString text(std::string_view name) const { return get<QLineEdit>(name).text(); }
    QString listText(std::string_view name) const { return get<QComboBox>(name).currentText(); }
    bool ticked(std::string_view name) const { return get<QCheckBox>(name).isChecked(); }
    void type(std::string_view name, const QString& text) const { get<QLineEdit>(name).setText(text); }
    void choose(std::string_view name, const QString& entry) const {
        get<QComboBox>(name).setCurrentIndex(get<QComboBox>(name).findText(entry));
    }
    void click(std::string_view name) const {
        QTest::mouseClick(&get<QAbstractButton>(name), Qt::LeftButton);
    }
    void trigger(const char* action) const { window().findChild<QAction*>(action)->trigger(); }

    QString programFile(const char* name) const { return QDir(folders.program).filePath(name); }
    QString userFile(const char* name) const { return QDir(folders.userData).filePath(name); }
    QString file(const char* name) const { return root.filePath(QStringLiteral("files/") + name); }
    QString lastInputPath() const { return programFile("Date.dat"); }
};

}  // namespace tavrel::app::test
