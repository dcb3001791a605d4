// The report button: build, write into a new file, open with the desktop.
#include "app/report_command.h"

#include <QDate>
#include <QStringList>

#include "calc/calculation_results.h"
#include "report/report.h"
#include "ui/prompter.h"

namespace tavrel::app {

namespace {

// One line for each picture the report was written without; empty when it has them all.
QString leftOutPictures(const WrittenReport& written) {
    QStringList lines;
    for (const LeftOutPicture& picture : written.leftOut) {
        lines << QString::fromStdString(leftOutPictureMessage(picture));
    }
    return lines.join(QLatin1Char('\n'));
}

// The original report, or the full one issued on the project's date or today's.
ReportDocument reportDocument(const CalculationResults& results, StirrupCheck stirrupCheck,
                              const std::string& figureFolder, const std::optional<FullReportInput>& full) {
    if (!full) {
        return buildReport(results, stirrupCheck, figureFolder);
    }
    const std::string today = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")).toStdString();
    const FullReportContext context{issueDateOf(full->input.project, today),
                                    full->inputFileName.toStdString()};
    return buildFullReport(full->input, results, stirrupCheck, figureFolder, context);
}

}  // namespace

void WriteCalcReport(const CalculationResults& results, StirrupCheck stirrupCheck, ui::Prompter& prompter,
                     const QString& figureFolder, const QString& reportFolder,
                     const std::optional<FullReportInput>& full) {
    const ReportDocument document = reportDocument(results, stirrupCheck, figureFolder.toStdString(), full);
    const Expected<WrittenReport> written = writeReportInFolder(document, reportFolder.toStdString());
    QString failure;
    if (!written) {
        failure = QStringLiteral("计算书未能写入文件夹“%1”：\n%2")
                      .arg(reportFolder, QString::fromStdString(written.error().message));
    } else if (const QString path = QString::fromStdString(written->path); !prompter.openDocument(path)) {
        failure = QStringLiteral("计算书已写入文件，但没有能打开它的程序：\n%1\n请用文字处理程序打开此文件。")
                      .arg(path);
    } else {
        failure = leftOutPictures(*written);
    }
    if (!failure.isEmpty()) {
        prompter.message(failure, QString::fromUtf8(ui::kMessageTitle), ui::MessageButtons::Ok);
    }
}

}  // namespace tavrel::app
