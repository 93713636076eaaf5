#pragma once

#include "page/PageItem.h"

#include <QList>
#include <QString>
#include <QStringList>

class Page;

// The labels of the staircase entry screen as its moves read and change them: numbers
// read back from the texts, texts written again with new numbers, lines of a tour found
// by their names. Every change marks the move as one that changed the screen; a number
// that a text could not hold refuses the move (EntryPage::Refused), and the page can be
// put back as it was before the move.
class EntryPage {
public:
    static constexpr int MaxRows = 24;

    // A move that cannot be done, with its message.
    struct Refused {
        QString message;
    };
    [[noreturn]] static void refuse(const QString& message);

    explicit EntryPage(Page& page) : page_(page) {}

    Page& page() const { return page_; }
    bool contains(const QString& name) const;
    // None for an empty name or a label not on the page.
    const PageItem* item(const QString& name) const;
    QString text(const QString& name) const;
    // The label's first number, and the total of a pool label; 0 when unreadable.
    int number(const QString& name) const;
    int total(const QString& name) const;

    void add(const PageItem& item);
    bool remove(const QString& name);
    void setText(const QString& name, const QString& text);
    // A pool label's placed count, a line's count, the rest of its text kept.
    void setPool(const QString& name, int placed, int total);
    void setLine(const QString& name, int count);
    // The colour and the cursor of a pool label: green is the one to place next.
    void colour(const QString& name, bool green);

    // The lines of a tour on rows 1 to 24, from the top.
    QStringList linesOf(int tour) const;
    // Whether every pool label of a ranking (rows 1 to 12) has all its players placed.
    bool rankedAllPlaced() const;

    // Around one move: whether it changed the screen, and the page to go back to.
    void startMove() { changed_ = false; }
    bool changed() const { return changed_; }
    QList<PageItem> snapshot() const;
    void restore(const QList<PageItem>& items);

private:
    Page& page_;
    bool changed_ = false;
};
