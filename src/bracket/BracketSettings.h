#pragma once

// What the caller of the bracket view sets when it opens it, and what later commands
// change: which table and panel are shown, and how much of the bracket is drawn.
struct BracketSettings {
    enum class DrawKind { LineStart, StaggeredEntry };

    DrawKind Kind = DrawKind::StaggeredEntry;
    bool HideEmptyBranches = true;  // lines without content are not drawn
    bool EndBranches = false;       // the bracket goes on beyond the outgoing qualifiers
    int SeedCount = 0;              // seeds shown in the information panel
    int SolutionNumber = 0;         // staircase solution shown (staggered-entry draws)

    bool operator==(const BracketSettings&) const = default;
};
