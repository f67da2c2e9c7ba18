#pragma once
// The view tabs' strip: a QTabBar that remembers the size of each tab's text. The toolkit's tab bar
// lays out every tab again whenever one is added or removed (and asks each one its size through the
// style, the style sheet included), so a project or the organizer making thousands of views spent
// most of its time measuring the same tabs over and over: views times tabs. A size is kept per text
// for the tabs that are not current (the current one carries the close button and its own look, so it
// is measured each time) and forgotten when the font or the style changes.

#include <QHash>
#include <QSize>
#include <QString>
#include <QTabBar>

class TQBTabStrip final : public QTabBar {
public:
  using QTabBar::QTabBar;

protected:
  QSize tabSizeHint(int index) const override;
  QSize minimumTabSizeHint(int index) const override;
  void changeEvent(QEvent* event) override;

private:
  QSize Measured(int index, bool minimum) const;

  mutable QHash<QString, QSize> FSizes[2];  // by text: [0] the size, [1] the minimum size
};
