#include "BracketSession.h"

#include "BracketOperations.h"
#include "PageItemJson.h"

#include "bracket/TableauPrevisualise.h"
#include "core/BusyCursor.h"
#include "drawtable/DrawExchange.h"
#include "drawtable/DrawFileJson.h"
#include "drawtable/RecordTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonValue>

#include <algorithm>

namespace {

QString kindName(Prompter::Kind kind) {
    switch (kind) {
        case Prompter::Kind::Plain:
            return QStringLiteral("message");
        case Prompter::Kind::Warning:
            return QStringLiteral("warning");
        case Prompter::Kind::Information:
            return QStringLiteral("information");
        case Prompter::Kind::Question:
            return QStringLiteral("question");
    }
    return QString();
}

QJsonArray indexes(const QList<int>& list) {
    QJsonArray array;
    for (int index : list) {
        array.append(index);
    }
    return array;
}

}  // namespace

BracketSession::BracketSession()
    : host_(HostInterface::Start(HostInterface::Places::OfThisProgram())) {
    host_.DataLocation = folder_.path();
    host_.WorkingDirectory = folder_.path();
}

BracketSession::~BracketSession() = default;

QString BracketSession::Open(const DrawFile& draw) {
    if (!folder_.isValid()) {
        return QStringLiteral("Impossible de créer un dossier temporaire : %1.")
            .arg(folder_.errorString());
    }
    if (const QString failed = DrawExchange::Load(draw, folder_.path(), state_);
        !failed.isEmpty()) {
        return failed;
    }
    view_ =
        std::make_unique<TableauPrevisualise>(page_, state_, host_, prompter_, BusyCursor::none());
    const DrawExchange::View shown = DrawExchange::ViewOf(draw);
    BracketSettings& settings = view_->settings();
    settings.HideEmptyBranches = shown.hideEmptyBranches;
    settings.EndBranches = false;
    settings.SeedCount = shown.seeds;
    settings.SolutionNumber = shown.solution;
    if (draw.kind == DrawFile::Kind::LineStart) {
        settings.Kind = BracketSettings::DrawKind::LineStart;
        view_->OpenLineStart(DrawExchange::LineStartFiguresOf(draw));
    } else {
        settings.Kind = BracketSettings::DrawKind::StaggeredEntry;
        view_->OpenStaggered();
    }
    takeMessages(-1);
    return QString();
}

QString BracketSession::Run(const QJsonArray& operations) {
    const QHash<QString, BracketOperations::Handler>& table = BracketOperations::Table();
    for (int index = 0; index < operations.size(); ++index) {
        const QJsonObject operation = operations.at(index).toObject();
        const QString name = operation.value(QStringLiteral("op")).toString();
        const auto handler = table.constFind(name);
        QString wrong;
        if (!operations.at(index).isObject()) {
            wrong = QStringLiteral("une opération est un objet JSON");
        } else if (handler == table.cend()) {
            wrong = QStringLiteral("\"op\" \"%1\" n'est pas une opération connue").arg(name);
        } else {
            wrong = (*handler)(*this, operation, index);
        }
        if (!wrong.isEmpty()) {
            return QStringLiteral("Opération %1 : %2.").arg(index).arg(wrong);
        }
        takeMessages(index);
    }
    return QString();
}

void BracketSession::record(int index, BracketEditor::Outcome outcome) {
    if (outcome == BracketEditor::Outcome::Refused) {
        refuse(index);
    } else if (outcome == BracketEditor::Outcome::Ignored) {
        ignore(index);
    }
}

// What the opening told carries no operation: its "op" is null.
void BracketSession::takeMessages(int index) {
    const QList<ScriptedPrompter::Entry>& entries = prompter_.entries();
    for (; told_ < entries.size(); ++told_) {
        const ScriptedPrompter::Entry& entry = entries.at(told_);
        messages_.append(
            QJsonObject{{QStringLiteral("op"), index < 0 ? QJsonValue() : QJsonValue(index)},
                        {QStringLiteral("kind"), kindName(entry.kind)},
                        {QStringLiteral("text"), entry.text}});
    }
}

QJsonObject BracketSession::Result() const {
    QList<const PageItem*> items = page_.items();
    std::sort(items.begin(), items.end(),
              [](const PageItem* a, const PageItem* b) { return a->name < b->name; });
    QJsonArray itemsJson;
    for (const PageItem* item : items) {
        itemsJson.append(PageItemJson::ToJson(*item));
    }
    QList<DrawFile::Line> lines;
    if (RecordTable* table = view_ != nullptr ? view_->table() : nullptr) {
        lines = DrawExchange::ReadLines(*table);
    }
    return {{QStringLiteral("lines"), DrawFileJson::LinesJson(lines)},
            {QStringLiteral("items"), itemsJson},
            {QStringLiteral("messages"), messages_},
            {QStringLiteral("refused"), indexes(refused_)},
            {QStringLiteral("ignored"), indexes(ignored_)}};
}
