#pragma once
// The overview bar: a narrow strip beside the message list's scroll bar that maps the whole view onto
// its height. Errors and warnings share the middle lane, find matches the left one, bookmarks and check
// points the right one, separators cross the whole strip; the rows on screen show as a frame. A click
// or a drag asks for the row under the pointer. The strip computes nothing itself: its feed hands it
// the marks of a height (TQBOverviewSource, never a walk over the rows) and the counts.

#include "view/QBOverviewMarks.h"

#include <QColor>
#include <QString>
#include <QWidget>

#include <functional>

class TQBOverviewBar : public QWidget {
  Q_OBJECT
public:
  static constexpr int StripWidth = 14;

  struct TFeed {
    std::function<TQBOverviewMarks(int height)> Marks;
    std::function<TQBMarkCounts()> Counts;
    std::function<int()> RowCount;
  };

  explicit TQBOverviewBar(QWidget* parent = nullptr);
  // An empty feed shows an empty strip.
  void SetFeed(TFeed feed);

  static QColor ColorOf(TQBMarkKind kind);
  // "3 errors, 1 warning, no bookmarks, ..."; what the accessible texts and the tooltip say.
  static QString CountsText(const TQBMarkCounts& counts);
  // The tooltip: each kind's colour, name and count.
  static QString Legend(const TQBMarkCounts& counts);
  // Renews the accessible name and description from the feed's counts (the paint does it too).
  void RefreshCounts();
  // The marks of the last paint.
  const TQBOverviewMarks& LastMarks() const { return FMarks; }

  QSize sizeHint() const override { return {StripWidth, 40}; }

signals:
  void rowRequested(int row);

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

private:
  void RequestRowAt(int y);

  TFeed FFeed;
  TQBOverviewMarks FMarks;
  TQBMarkCounts FCounts{};
};
