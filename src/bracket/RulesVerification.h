#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class BusyCursor;
class FontSettings;
class Page;
class Prompter;
class RecordTable;
class RuleFindings;

// "Vérifier les règles et recommandations" on a bracket laid out on its page: the rules
// check of the draw table, its findings written into the host's rule tables, the banner
// shown or hidden, and the findings marked on the bracket.
class RulesVerification {
public:
    struct Message {
        enum class Kind { Warning, Hint };
        Kind kind = Kind::Hint;
        QString item;  // empty for a warning
        int line = 0;  // 0 for a warning
        QString text;
    };

    // What the check told and changed, in order.
    struct Report {
        QList<Message> messages;
        QStringList touched;  // the items it marked or reset
    };

    struct Places {
        QString rankingOrderPath;  // "ZECLASS.TXT"
        QString rulesLocation;     // the folder of "TMVERIFI.DB" and "TMVRFRec.db"
    };

    RulesVerification(Page& page, const FontSettings& fonts, Prompter& prompter,
                      BusyCursor& cursor);

    static QString BannerCaption() { return QStringLiteral("<< REGLES Non Respectées >>"); }

    // The table's cursor is left where it stood.
    Report HighlightFindings(RecordTable& drawTable, int dimension, int qualifiersOut,
                             const Places& places);

private:
    void warn(Report& report, const QString& text);
    void showBanner(const RuleFindings& findings);

    Page& page_;
    const FontSettings& fonts_;
    Prompter& prompter_;
    BusyCursor& cursor_;
};
