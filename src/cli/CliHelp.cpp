#include "CliHelp.h"

#include "CliCommand.h"

#include <algorithm>

namespace {

constexpr int Indent = 2;
constexpr int Gap = 2;
// Longer names keep their description on the next line, under the others.
constexpr int MaxNameWidth = 24;

QList<std::pair<QString, QString>> optionRows(const QList<CliOption>& options) {
    QList<std::pair<QString, QString>> rows;
    for (const CliOption& option : options) {
        rows.append({option.synopsis(), option.description});
    }
    return rows;
}

}  // namespace

QStringList CliHelp::Wrap(const QString& text, int width) {
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
                lines.append(line);
                line.clear();
            }
            line += line.isEmpty() ? word : QLatin1Char(' ') + word;
        }
        lines.append(line);
    }
    return lines;
}

QString CliHelp::Table(const QList<std::pair<QString, QString>>& rows) {
    int nameWidth = 0;
    for (const auto& [name, description] : rows) {
        if (name.size() <= MaxNameWidth) {
            nameWidth = std::max(nameWidth, static_cast<int>(name.size()));
        }
    }
    const int column = Indent + nameWidth + Gap;
    const QString margin(column, QLatin1Char(' '));
    QString text;
    for (const auto& [name, description] : rows) {
        QString first = QString(Indent, QLatin1Char(' ')) + name;
        if (first.size() + Gap > column) {
            text += first + QLatin1Char('\n');
            first = margin;
        } else {
            first = first.leftJustified(column);
        }
        const QStringList lines = Wrap(description, Width - column);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            text += (i == 0 ? first : margin) + lines[i] + QLatin1Char('\n');
        }
    }
    return text;
}

QString CliHelp::Program(const QList<const CliCommand*>& commands,
                         const QList<CliOption>& options) {
    QList<std::pair<QString, QString>> listed;
    for (const CliCommand* command : commands) {
        listed.append({command->name(), command->summary()});
    }
    return QStringLiteral("Usage : orvanel-cli COMMANDE [options]\n") +
           Wrap(QStringLiteral("Les calculs du programme de construction des tableaux, sans "
                               "fenêtre ; leurs résultats en texte ou en JSON."),
                Width)
               .join(QLatin1Char('\n')) +
           QStringLiteral("\n\nCommandes :\n") + Table(listed) + QStringLiteral("\nOptions :\n") +
           Table(optionRows(options)) + QLatin1Char('\n') +
           Wrap(QStringLiteral("« orvanel-cli COMMANDE --help » affiche l'aide d'une commande. "
                               "Le code de sortie vaut 0 quand la commande a abouti, 1 quand "
                               "elle a échoué, 2 quand la ligne de commande est incorrecte."),
                Width)
               .join(QLatin1Char('\n')) +
           QLatin1Char('\n');
}

QString CliHelp::Usage(const CliCommand& command) {
    QString usage = QStringLiteral("Usage : orvanel-cli ") + command.name();
    for (const CliCommand::Argument& argument : command.arguments()) {
        usage += QLatin1Char(' ') + argument.name;
    }
    for (const CliOption& option : command.options()) {
        if (option.required) {
            usage += QLatin1Char(' ') + option.synopsis();
        }
    }
    return usage + QStringLiteral(" [options]");
}

QString CliHelp::Command(const CliCommand& command, const QList<CliOption>& options) {
    // The summary as a sentence.
    QString summary = command.summary();
    if (!summary.isEmpty()) {
        summary[0] = summary[0].toUpper();
        summary += QLatin1Char('.');
    }
    QString text = Usage(command) + QLatin1Char('\n') +
                   Wrap(summary, Width).join(QLatin1Char('\n')) + QLatin1Char('\n');
    if (!command.details().isEmpty()) {
        text += QLatin1Char('\n') + Wrap(command.details(), Width).join(QLatin1Char('\n')) +
                QLatin1Char('\n');
    }
    QList<std::pair<QString, QString>> arguments;
    for (const CliCommand::Argument& argument : command.arguments()) {
        arguments.append({argument.name, argument.description});
    }
    if (!arguments.isEmpty()) {
        text += QStringLiteral("\nArguments :\n") + Table(arguments);
    }
    return text + QStringLiteral("\nOptions :\n") + Table(optionRows(options));
}
