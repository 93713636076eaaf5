#include "SolutionAcceptance.h"

#include "StaggeredSkeleton.h"
#include "core/BusyCursor.h"
#include "core/Prompter.h"
#include "core/StaircaseState.h"
#include "drawtable/HostTransfer.h"

bool SolutionAcceptance::Accept(StaircaseState& state, int tourCount, const TableLocations& places,
                                Prompter& prompter, BusyCursor& cursor) {
    if (state.Dimension > HostTransfer::MaxDimension) {
        prompter.message(HostTransfer::TooLargeMessage());
        return false;
    }
    if (!prompter.ask(Prompter::Kind::Information, Question())) {
        return false;
    }
    BusyCursorScope wait(cursor);
    StaggeredSkeleton skeleton(state, tourCount, places, prompter);
    // A working table that could not be built, or a copy that failed, is not an accepted
    // draw: copying a half-made table would overwrite the host's draw with it, and the
    // wizard would close as if all had gone well.
    if (!skeleton.TraiteSqueletteTableau() || !skeleton.TransfereTableau()) {
        return false;
    }
    state.Accepted = true;
    return true;
}
