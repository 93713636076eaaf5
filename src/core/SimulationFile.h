#pragma once

#include "SimulationInput.h"

#include <QByteArray>
#include <QString>

class QIODevice;

class Prompter;

// The text file of a simulation input: the autosave file "tmpSauve.txt" and any file
// the user saves or opens. One value per line, Windows-1252, CR LF on write; reading
// also accepts LF (and a lone CR) line ends.
class SimulationFile {
public:
    enum class LoadStatus { Missing, Loaded, Failed };

    static constexpr int MaxRowCount = 124;  // the whole ladder plus the header row
    static constexpr int MaxLineLength = 1024;

    static QString AutosaveName() { return QStringLiteral("tmpSauve.txt"); }

    // Writes the input to path through a temporary file renamed over the old one, so a
    // failed save leaves the previous file whole. A path without "tmpSauve" that names
    // an existing file asks first. False when the user said No or the write failed (the
    // failure is told through prompter).
    static bool SaveSimulation(const QString& path, const SimulationInput& input,
                               Prompter& prompter);

    // Reads path into input, field by field in the order of the file. A missing file
    // changes nothing; a path that is not a regular file (a folder, a FIFO, a device) or
    // is too large to be ours is refused with a message. A third line that is not a row count, an
    // over-long line or bytes that no text file holds stop the reading with a message; the fields
    // read before it keep their new values. Missing lines read as empty texts; a draw-type line
    // other than "0" or "1" leaves the draw type as it was.
    static LoadStatus LoadSimulation(const QString& path, SimulationInput& input,
                                     Prompter& prompter);

    // The same reading from an open device; name stands for the file in messages.
    static LoadStatus LoadFrom(QIODevice& device, const QString& name, SimulationInput& input,
                               Prompter& prompter);

    static QByteArray Serialize(const SimulationInput& input);
};
