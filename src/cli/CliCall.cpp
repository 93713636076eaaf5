#include "CliCall.h"

#include "core/IntegerText.h"

std::optional<int> CliCall::integer(const QString& option) const {
    if (!parser_.isSet(option)) {
        return std::nullopt;
    }
    return IntegerText::toInt(parser_.value(option));
}
