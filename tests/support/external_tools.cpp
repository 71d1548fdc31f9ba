#include "tests/support/external_tools.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <utility>

namespace jubilo::testing {

ProcessResult runProcess(const QString& program, const QStringList& arguments, int timeoutMs)
{
    ProcessResult result;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!(result.started = process.waitForStarted())) {
        result.output = program + " did not start: " + process.errorString();
        return result;
    }
    if (!(result.finished = process.waitForFinished(timeoutMs))) {
        process.kill();
        process.waitForFinished();
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromUtf8(process.readAll()) + (result.finished ? "" : "\n" + program + " timed out");
    return result;
}

ProcessResult LibreOffice::convert(const QString& filter, const QStringList& files, const QString& outFolder) const
{
    ProcessResult r = runProcess("soffice",
                                 QStringList{"-env:UserInstallation=file://" + profile_, "--headless", "--norestore",
                                             "--convert-to", filter, "--outdir", outFolder}
                                     + files);
    if (!r.started)
        r.output += "\nthis test needs LibreOffice; scripts/install-deps.sh installs it";
    return r;
}

QList<QStringList> readCsv(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    QList<QStringList> rows;
    QStringList fields{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted && c == '"' && text.mid(i + 1, 1) == "\"")
            fields.last() += text[++i];
        else if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ',')
            fields.append(QString());
        else if (!quoted && c == '\n')
            rows.append(std::exchange(fields, QStringList{QString()}));
        else
            fields.last() += c;
    }
    if (fields != QStringList{QString()})
        rows.append(fields);
    return rows;
}

PdfPages readPdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString bytes = QString::fromLatin1(file.readAll());
    const auto box = QRegularExpression("/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)").match(bytes);
    return {int(bytes.count(QRegularExpression("/Type\\s*/Page(?!s)"))),
            QSizeF(box.captured(1).toDouble(), box.captured(2).toDouble())};
}

}  // namespace jubilo::testing
