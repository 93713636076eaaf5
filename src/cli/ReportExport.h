#pragma once

#include "CliOption.h"

#include "reports/ReportRenderer.h"

#include <QList>
#include <QString>
#include <QStringList>

class CliCall;

// Where the print commands write their reports: --pdf FILE, --png DIR [--dpi N] or
// --svg DIR, exactly one of them.
class ReportExport {
public:
    static QList<CliOption> Options(bool withDpi);
    // Why the command line names no target or several; empty when it names one.
    static QString Problem(const CliCall& call);

    // Writes the pages; the paths written are added to `written`. Empty on success, else
    // why it failed. With `oneFilePerReport`, a PDF target FILE.pdf becomes FILE-1.pdf,
    // FILE-2.pdf …, one per report.
    static QString Write(const CliCall& call, const ReportRenderer::Pages& pages,
                         bool oneFilePerReport, QStringList& written);
};
