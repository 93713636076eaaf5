#pragma once

#include <QString>

#include <optional>

// The seam through which the logic talks to the user: message boxes and the file
// dialogs. Windows pass the message-box implementation; the command line and the tests
// pass a ScriptedPrompter, which records every text and answers from a script.
class Prompter {
public:
    enum class Kind { Plain, Warning, Information, Question };

    // What a file dialog is opened with.
    struct FileRequest {
        QString directory;
        QString fileName;
        QString defaultSuffix = QStringLiteral("txt");
        QString filter = QStringLiteral("Fichier texte (*.txt)");
    };

    virtual ~Prompter() = default;

    // A message with an OK button: plain, warning or information.
    virtual void tell(Kind kind, const QString& text) = 0;
    // A confirmation with Yes and No buttons; true for Yes.
    virtual bool ask(Kind kind, const QString& text) = 0;
    // The file open and save dialogs; no value when the user cancels.
    virtual std::optional<QString> openFile(const FileRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileRequest& request) = 0;

    void message(const QString& text) { tell(Kind::Plain, text); }
    void warning(const QString& text) { tell(Kind::Warning, text); }
    void information(const QString& text) { tell(Kind::Information, text); }
};
