#include "RepeatFoldingPrompter.h"

void RepeatFoldingPrompter::startFolding() {
    folding_ = true;
    shown_.clear();
    lastText_.clear();
    repeats_ = 0;
}

void RepeatFoldingPrompter::endFolding() {
    folding_ = false;
    shown_.clear();
    if (repeats_ > 0) {
        inner_.information(RepeatsMessage(repeats_));
    }
}

void RepeatFoldingPrompter::tell(Kind kind, const QString& text) {
    if (folding_) {
        // A flood repeats one message over and over: that case skips building the key.
        if (kind == lastKind_ && text == lastText_) {
            ++repeats_;
            return;
        }
        lastKind_ = kind;
        lastText_ = text;
        // The same text as a warning and as a plain message are two messages.
        const QString key = QString::number(static_cast<int>(kind)) + QLatin1Char('|') + text;
        if (shown_.contains(key)) {
            ++repeats_;
            return;
        }
        shown_.insert(key);
    }
    inner_.tell(kind, text);
}

QString RepeatFoldingPrompter::RepeatsMessage(qint64 repeats) {
    return QStringLiteral(
               "Les messages de la recherche se sont répétés %1 fois ; chacun n'a été affiché "
               "qu'une fois.")
        .arg(repeats);
}
