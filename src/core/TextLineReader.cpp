#include "TextLineReader.h"

#include "Cp1252.h"
#include "TextFileOpening.h"

#include <QByteArray>
#include <QIODevice>

TextLineReader::TextLineReader(QIODevice& device, int maxLineLength, qint64 maxBytes)
    : device_(device), maxLineLength_(maxLineLength), maxBytes_(maxBytes) {}

bool TextLineReader::take(char& c) {
    if (read_ > maxBytes_ || !device_.getChar(&c)) {
        return false;
    }
    ++read_;
    return true;
}

TextLineReader::Status TextLineReader::next(QString& line) {
    ++lineNumber_;
    line.clear();
    QByteArray bytes;
    char c = 0;
    bool any = false;
    bool foreign = false;
    while (take(c)) {
        any = true;
        if (c == '\n') {
            break;
        }
        if (c == '\r') {
            char following = 0;
            if (take(following) && following != '\n') {
                device_.ungetChar(following);
                --read_;
            }
            break;
        }
        if (bytes.size() >= maxLineLength_) {
            return Status::TooLong;
        }
        foreign = foreign || Cp1252::isForeignByte(static_cast<unsigned char>(c));
        bytes.append(c);
    }
    if (read_ > maxBytes_) {
        return Status::TooLarge;
    }
    if (!any) {
        return Status::End;
    }
    if (foreign) {
        return Status::Foreign;
    }
    line = Cp1252::decode(bytes);
    return Status::Line;
}

QString TextLineReader::reason(Status status) const {
    switch (status) {
        case Status::TooLong:
            return QStringLiteral("la ligne %1 dépasse %2 caractères")
                .arg(lineNumber_)
                .arg(maxLineLength_);
        case Status::Foreign:
            return QStringLiteral(
                       "la ligne %1 contient des caractères qu'un fichier texte ne contient pas")
                .arg(lineNumber_);
        case Status::TooLarge:
            return TextFileOpening::tooLargeReason(maxBytes_);
        case Status::Line:
        case Status::End:
            break;
    }
    return QString();
}
