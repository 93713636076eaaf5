#include "DrawFileOption.h"

#include "CliCall.h"

#include "drawtable/DrawFileJson.h"

namespace {

const QString OptionName = QStringLiteral("draw-json");

}  // namespace

CliOption DrawFileOption::Option() {
    return CliOption::Value(OptionName, QStringLiteral("FICHIER"),
                            QStringLiteral("écrit le tableau construit (ses lignes et ses "
                                           "chiffres) dans ce fichier de tableau JSON"));
}

QString DrawFileOption::Write(const CliCall& call, const QString& folder,
                              const StaircaseState& state, const DrawExchange::View& view) {
    if (const QString failed = DrawExchange::SaveFigures(folder, state, view); !failed.isEmpty()) {
        return failed;
    }
    if (!call.isSet(OptionName)) {
        return QString();
    }
    const DrawExchange::Result built =
        DrawExchange::Build(folder, DrawExchange::TableName(view.kind), state, view);
    if (!built.draw) {
        return built.error;
    }
    return DrawFileJson::WriteFile(call.value(OptionName), *built.draw);
}
