#include "HostTransfer.h"

#include "DrawLines.h"
#include "RecordTable.h"
#include "TableLayout.h"
#include "core/Prompter.h"

#include <QDir>

bool HostTransfer::Run(const TableLocations& places, const QString& workingName, int hostLineCount,
                       Prompter& prompter, const Copy& copy) {
    RecordTable working(TableLayout::DrawLine(), places.DataLocation, workingName);
    RecordTable host(TableLayout::DrawLine(), places.WorkingDirectory, places.HostTableName);
    if (DrawLines::SameFile(working, host)) {
        prompter.warning(SameTableMessage(host.filePath()));
        return false;
    }
    for (RecordTable* table : {&working, &host}) {
        if (!table->Open()) {
            prompter.warning(table->errorText());
            return false;
        }
    }
    // The host's previous draw is replaced in one transaction: a copy that fails part way
    // leaves it whole. The message is told once the batch has ended, so that it says so.
    {
        RecordTable::Batch batch(host);
        if (DrawLines::FillNumbered(host, hostLineCount)) {
            working.First();
            host.First();
            if (copy(working, host) && batch.commit()) {
                return true;
            }
        }
        batch.abandon();
    }
    prompter.warning(host.errorText());
    return false;
}

bool HostTransfer::CopyInOrder(RecordTable& working, RecordTable& host) {
    for (; !working.Eof() && !host.Eof(); working.Next(), host.Next()) {
        if (!DrawLines::CopyLineToHost(working, host)) {
            return false;
        }
    }
    return true;
}

QString HostTransfer::SameTableMessage(const QString& path) {
    return QStringLiteral(
               "Le tableau n'a pas été copié : la table \"%1\" de l'application hôte est la "
               "table de travail elle-même.")
        .arg(QDir::toNativeSeparators(path));
}

QString HostTransfer::TooLargeMessage() {
    return QStringLiteral("Nombre d'entrée du tableau supérieure aux capacités acceptées ") +
           QString::number(MaxDimension);
}
