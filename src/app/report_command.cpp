// The report button: build, write into a new file, open with the desktop.
#include "app/report_command.h"

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

}  // namespace

void WriteCalcReport(const CalculationResults& results, StirrupCheck stirrupCheck, ui::Prompter& prompter,
                     const QString& figureFolder, const QString& reportFolder) {
    const ReportDocument document = buildReport(results, stirrupCheck, figureFolder.toStdString());
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
