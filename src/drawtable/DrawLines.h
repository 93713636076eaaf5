#pragma once

class RecordTable;

// What the builders and the acceptances do to whole draw tables.
class DrawLines {
public:
    // Empties the open table and inserts the lines numbered 1 to count, every other
    // field empty, in one transaction. False (errorText of the table) on a write failure;
    // the table then keeps its content, unless the fill is part of a caller's batch,
    // which it fails.
    static bool FillNumbered(RecordTable& table, int count);

    // Copies the working table's current line onto the host table's current line, field
    // by field in position order, then gives the host line's Classement the working
    // line's Nom. The host line keeps its own FicheNumero: a section draw lands its
    // rounds at other numbers of the host draw, and copying the number would collide
    // with the host line that already holds it.
    static bool CopyLineToHost(const RecordTable& working, RecordTable& host);

    // Whether the two tables are the same file: a copy onto itself would empty the
    // table it reads.
    static bool SameFile(const RecordTable& a, const RecordTable& b);
};
