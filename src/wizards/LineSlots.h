#pragma once

// The placement slots of a line-start skeleton: the line of the k-th placement in round 1
// or 2, and the line that plays a given line.
//
// An ordinary draw (the outgoing qualifiers are a power of two) fills a round in the
// column order that spreads the best entrants apart. A section draw (D = q x 2^j, q not
// a power of two) spreads them over the q sections of its rounds instead.
class LineSlots {
public:
    // dimension D, PowerDimension (the smallest power of two not below D) and the
    // outgoing qualifiers Qs (at least 1).
    LineSlots(int dimension, int powerDimension, int qualifiersOut);

    bool section() const { return section_; }
    // The line of slot k of round r (1 or 2); 0 when the round has no such slot.
    int PositionOf(int k, int round) const;
    // The other line of v's match in round r.
    int PartnerLine(int v, int round) const;

    // The round whose size first reaches the outgoing qualifiers, counted while the
    // power of two is halved down to them.
    static int QualifierRound(int qualifiersOut, int powerDimension);

private:
    int sectionIndex(int k, int round) const;
    int roundStart(int round) const { return round == 1 ? 0 : dimension_; }
    int roundSize(int round) const { return round == 1 ? dimension_ : dimension_ / 2; }

    int dimension_;
    int powerDimension_;
    int qualifiersOut_;
    bool section_;
    int qualifierRound_;
};
