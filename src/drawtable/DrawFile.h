#pragma once

#include <QList>
#include <QString>

#include <array>
#include <optional>

// One draw as the command line exchanges it: the lines of its draw table and every figure
// the bracket view, the rules check and the reports read from the shared state, so that a
// draw built or edited in one command can be shown, checked or printed by another.
struct DrawFile {
    enum class Kind { Staggered, LineStart };  // "TEE", "TEL"

    // The fields of one draw line; an empty Numero or Information is no value.
    struct Line {
        int line = 0;
        int position = 0;
        std::optional<int> numero;
        QString nom;
        QString prenom;
        QString classement;
        std::optional<int> information;
        QString typeClassement;
        QString nationalite;

        bool operator==(const Line&) const = default;
    };

    struct Ranking {
        QString name;  // as stored: the staggered-entry wizard pads it to 4 characters
        int count = 0;

        bool operator==(const Ranking&) const = default;
    };

    // What a staggered-entry draw's panel and title blocks show of its staircase.
    struct Staggered {
        static constexpr int MatchCount = 10;  // outgoing qualifiers, then tours 1 to 9

        int solution = 0;
        std::array<int, MatchCount> matches{};
        int storedSolutions = 0;
        bool singleSolution = false;
        bool manualEntry = false;
        QString skeletonErrorText;
        int skeletonErrorCount = 0;

        bool operator==(const Staggered&) const = default;
    };

    // The figures of a line-start draw: N players (incoming qualifiers included), D
    // entries, E byes, NE players of round 1, QS outgoing and QE incoming qualifiers.
    struct LineStart {
        int N = 0;
        int D = 0;
        int E = 0;
        int NE = 0;
        int QS = 0;
        int QE = 0;

        bool operator==(const LineStart&) const = default;
    };

    static constexpr int MaxRankings = 12;
    // A draw never grows past twice the largest draw the host takes (one added round).
    static constexpr int MaxDimension = 2048;

    Kind kind = Kind::Staggered;
    int dimension = 0;
    int qualifiersOut = 0;
    int qualifiersIn = 0;
    int seeds = 0;  // the seeds the information panel shows
    bool finalDraw = false;
    int couples = 0;
    int compressions = 0;
    int totalPlayers = 0;
    QList<Ranking> rankings;  // rows 1 on, up to the last one with a name
    bool hideEmptyBranches = true;
    QList<Line> lines;  // in line order
    Staggered tee;      // a staggered-entry draw only
    LineStart tel;      // a line-start draw only

    static QString KindName(Kind kind) {
        return kind == Kind::Staggered ? QStringLiteral("TEE") : QStringLiteral("TEL");
    }

    bool operator==(const DrawFile&) const = default;
};
