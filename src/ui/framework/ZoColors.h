#pragma once
#include <QColor>
#include <QPalette>
#include <QWidget>

// The colours the entry controls take while they hold the focus.
namespace ZoColors {
inline QColor Aqua() { return QColor(0x00, 0xFF, 0xFF); }
inline QColor Yellow() { return QColor(0xFF, 0xFF, 0x00); }
inline QColor White() { return QColor(0xFF, 0xFF, 0xFF); }
// Background of every other grid row.
inline QColor Cream() { return QColor(0xFF, 0xFB, 0xF0); }

inline QColor Background(const QWidget *w) { return w->palette().color(QPalette::Base); }
inline void SetBackground(QWidget *w, const QColor &color)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, color);
    w->setPalette(p);
}
} // namespace ZoColors
