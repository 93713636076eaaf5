#pragma once

class PanelWriter;
class StaircaseState;

// The staircase of a staggered-entry draw under the panel's figures: for each tour, from
// the last round on the right to the first round played on the left and each one lower
// than the one before, its positions with an arrow, its groups of entrants, the
// compressions it needs and the winners arriving from the tour before it.
class StaircaseSummary {
public:
    static constexpr int Right = 680;    // x of tour 1
    static constexpr int TourStep = 38;  // each tour this much further left

    // Draws the summary of the Steps of the state from the given top (the panel's
    // T0 + 15 × last + 110).
    static void Draw(PanelWriter& writer, const StaircaseState& state, int tours, int top);
};
