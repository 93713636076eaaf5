#include "CharacterFilter.h"

#include "ProxyForm.h"

#include <utility>

CharacterFilter::CharacterFilter(QString allowed, QObject* parent)
    : QValidator(parent), allowed_(std::move(allowed)) {}

QValidator::State CharacterFilter::validate(QString& input, int& position) const {
    const QString kept = ProxyForm::Filtered(input, allowed_);
    if (kept.size() != input.size()) {
        position -= static_cast<int>(input.size() - kept.size());
        input = kept;
    }
    return Acceptable;
}
