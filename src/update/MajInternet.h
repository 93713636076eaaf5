#pragma once

#include "HttpTransfer.h"
#include "ProxyForm.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class BusyCursor;
class BusyCursorScope;
class Prompter;
class UpdateLauncher;
class UpdateSettings;
struct UpdateInfo;

// The logic of the update window: the automatic check at start-up and the download of
// "Démarrer". It holds what the window shows (memo, title, progress, buttons) and says
// `changed` whenever that moves, so that a window, the command line or a test can follow
// it. The update program is downloaded beside its final place, checked (size, SHA-256,
// signature), and only then renamed into place and started.
class MajInternet : public QObject {
    Q_OBJECT

public:
    struct Options {
        QString installDirectory;
        QString settingsPath;
        QString server;  // overrides the settings' server when not empty
        QByteArray publicKey;
        int timeout = 30000;  // milliseconds, for every wait
        bool connected = true;
        bool launch = true;  // false: check everything, start nothing, write no date
        std::function<QDate()> today = [] { return QDate::currentDate(); };
    };
    enum class Closing { Open, Ok, Abort, Closed };

    MajInternet(Options options, Prompter& prompter, BusyCursor& cursor, UpdateLauncher& launcher,
                QObject* parent = nullptr);

    void AutoCheck();
    void DownloadUpdate();
    // "Annuler" while a request runs: stops it and the operation.
    void cancel();
    bool busy() const { return busy_; }

    // The proxy dialog's form from the settings, and its OK: stored and saved.
    ProxyForm proxyForm() const;
    void storeProxy(const ProxyForm& form);

    QString updaterFile() const;
    QString infoFile() const;

    const QStringList& memo() const { return memo_; }
    const QString& title() const { return title_; }
    bool titleConnected() const { return titleConnected_; }
    qint64 barMaximum() const { return barMaximum_; }
    qint64 barValue() const { return barValue_; }
    const QString& okText() const { return okText_; }
    bool okEnabled() const { return okEnabled_; }
    bool cancelEnabled() const { return cancelEnabled_; }
    bool visible() const { return visible_; }
    Closing closing() const { return closing_; }
    // The update program started (or, without launching, the one that would have
    // been); the program ends once it is started.
    const std::optional<QString>& launched() const { return launched_; }
    bool quitRequested() const { return quitRequested_; }

    static QString Done() { return QStringLiteral("Terminé"); }
    static QString NoConnection() { return QStringLiteral("Connection internet impossible."); }

signals:
    void changed();

private:
    // Buttons off, proxy set, memo cleared; none when the server address is wrong.
    std::optional<QUrl> begin(const UpdateSettings& settings);
    void finish();
    // A message box, without the wait cursor over it.
    void tell(const QString& text);
    void addMemo(const QString& line);
    void setFirstMemo(const QString& line);
    void tellSaved(const UpdateSettings& settings);
    // The steps of DownloadUpdate after the HEAD request.
    void download(const QUrl& server, const QDateTime& serverDate, const QDateTime& lastUpdate);
    // False when the user cancelled.
    bool fetchInfo(const QUrl& server);
    // The update program, downloaded, checked, put in place and started.
    void install(const QUrl& server, const QDateTime& serverDate, const UpdateInfo& info);
    // Downloads and checks the update program, then renames it into place.
    bool placeUpdater(const QUrl& server, const UpdateInfo& info);
    void start(const QString& program, const QDateTime& serverDate);
    QString downloadTitle(qint64 received) const;
    // The end of a good transfer: the bar full.
    void downloadEnded();

    Options options_;
    Prompter& prompter_;
    BusyCursor& cursor_;
    UpdateLauncher& launcher_;
    HttpTransfer http_;

    BusyCursorScope* scope_ = nullptr;
    bool busy_ = false;
    bool verbose_ = false;
    bool cancelled_ = false;
    QElapsedTimer started_;
    QStringList memo_;
    QString title_ = QStringLiteral("Téléchager la mise à jour de l'Orvanel");
    bool titleConnected_ = false;
    qint64 barMaximum_ = 100;
    qint64 barValue_ = 0;
    QString okText_ = QStringLiteral("Démarrer");
    bool okEnabled_ = true;
    bool cancelEnabled_ = true;
    bool visible_ = true;
    Closing closing_ = Closing::Open;
    std::optional<QString> launched_;
    bool quitRequested_ = false;
};
