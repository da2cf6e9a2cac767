#pragma once
#include <QList>
#include <QString>

// The column layout ("table style") of a grid as stored in syscols: one
// line per column, "<field>=<True|False><width>\r\n".
struct RLayoutColumn {
    QString FieldName;
    bool Visible = true;
    int Width = 0;
};
using RLayoutColumns = QList<RLayoutColumn>;

namespace GridLayout {
QString Text(const RLayoutColumns &columns);

// Applies a stored text to `columns` (the default columns in order): widths
// and visibility by field name, then the stored order. A column without a
// line keeps its settings, or is hidden when `hideMissing`. A malformed line
// ends the work where it stands; what was applied stays. Never throws.
void Apply(RLayoutColumns &columns, const QString &text, bool hideMissing);

// The text stored under `key`; empty when none.
QString Load(int key);
// Stores `text` under `key` (one row per key); true when exactly one row was written.
bool Save(int key, const QString &text);
} // namespace GridLayout
