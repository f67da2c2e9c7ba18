#include "window/model/QBModelInvariants.h"

#include "window/model/QBModelDriver.h"

#include "inspectors/QBInspectorPane.h"
#include "shell/QBCommandRules.h"
#include "shell/QBStatusTexts.h"
#include "shell/QBViewManager.h"
#include "view/widgets/QBMsgView.h"
#include "window/QBCommandTable.h"
#include "window/QBMainForm.h"
#include "window/QBStatusPanes.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>

#include <algorithm>

namespace qbmodel {

namespace {

// What one check sees.
struct TSides {
  const TModelDriver& Driver;
  const TWindowModel& Model;
  TFrmViewer& Window;
};

QString Ids(const std::vector<int>& recNos) {
  QStringList texts;
  for (int r : recNos) texts << QStringLiteral("#%1").arg(r);
  return texts.size() > 12 ? texts.mid(0, 12).join(u' ') + QStringLiteral(" ... (%1)").arg(texts.size())
                           : texts.join(u' ');
}

TQBMessageView& RealView(const TSides& s, int index) {
  return *qobject_cast<TQBMessageView*>(s.Window.Views().At(index).Object);
}

QString ViewLabel(const TSides& s, int index) {
  return QStringLiteral("view %1 '%2'").arg(index).arg(s.Model.Views[size_t(index)].Name);
}

// Every report the window made through its dialogs was unexpected.
QString Errors(const TSides& s) {
  const QStringList& errors = s.Driver.Script().Errors;
  return errors.isEmpty() ? QString() : QStringLiteral("the window reported: ") + errors.join(QStringLiteral(" | "));
}

QString Dialogs(const TSides&) {
  if (QWidget* modal = QApplication::activeModalWidget())
    return QStringLiteral("a modal dialog is open: ") + modal->windowTitle();
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<QDialog*>(w) && w->isVisible()) return QStringLiteral("a dialog is open: ") + w->windowTitle();
  return {};
}

QString Store(const TSides& s) {
  const int count = MessageSet.GetRecordCount();
  if (count != int(s.Model.Store.size()))
    return QStringLiteral("the store holds %1 messages, the model %2").arg(count).arg(s.Model.Store.size());
  for (int recNo = 1; recNo <= count; ++recNo) {
    const TQBMessageRef real = MessageSet.At(recNo);
    const TMessage& m = s.Model.Msg(recNo);
    if (real.MsgType() != m.Type || real.MsgText() != m.Text || real.AppName() != m.App || real.ThreadName() != m.Thread)
      return QStringLiteral("message #%1 is type %2 '%3' (%4, %5), the model's type %6 '%7' (%8, %9)")
          .arg(recNo).arg(real.MsgType()).arg(real.MsgText(), real.AppName(), real.ThreadName())
          .arg(m.Type).arg(m.Text, m.App, m.Thread);
  }
  return {};
}

QString Views(const TSides& s) {
  const TQBViewManager& views = s.Window.Views();
  if (views.Count() != int(s.Model.Views.size()) || views.CurrentIndex() != s.Model.Current)
    return QStringLiteral("%1 views with %2 current, the model %3 with %4 current")
        .arg(views.Count()).arg(views.CurrentIndex()).arg(s.Model.Views.size()).arg(s.Model.Current);
  for (int i = 0; i < views.Count(); ++i) {
    const TView& m = s.Model.Views[size_t(i)];
    TQBFilterCriteria criteria;
    views.At(i).List->GetFilterCriteria(criteria);
    if (views.At(i).View->GetViewName() != m.Name || criteria != m.Filter.Criteria())
      return QStringLiteral("view %1 is '%2', the model's '%3', or their filters differ")
          .arg(i).arg(views.At(i).View->GetViewName(), m.Name);
    for (int n = 0; n < 10; ++n)
      if (views.At(i).List->GetBookmark(n) != m.Bookmarks[size_t(n)])
        return QStringLiteral("%1: bookmark %2 is on #%3, the model's on #%4")
            .arg(ViewLabel(s, i)).arg(n).arg(views.At(i).List->GetBookmark(n)).arg(m.Bookmarks[size_t(n)]);
  }
  return {};
}

QString RowText(int recNo, int level, bool collapsed) {
  return QStringLiteral("#%1 level %2%3").arg(recNo).arg(level).arg(collapsed ? QStringLiteral(" collapsed") : QString());
}

// Same messages, order, nesting levels and collapse states.
QString ViewRows(const TSides& s, int index) {
  const TView& m = s.Model.Views[size_t(index)];
  const TQBViewRows& real = RealView(s, index).Model().Rows();
  std::vector<int> items, modelItems;
  for (int i = 0; i < real.ItemCount(); ++i) items.push_back(real.ItemRecNo(i));
  for (const TItem& item : m.Items) modelItems.push_back(item.RecNo);
  if (items != modelItems)
    return QStringLiteral("%1 holds %2, the model %3").arg(ViewLabel(s, index), Ids(items), Ids(modelItems));
  const std::vector<int> rows = s.Model.Rows(m), exits = s.Model.MatchingExits(m);
  for (int r = 0; r < std::max(real.RowCount(), int(rows.size())); ++r) {
    const int item = r < real.RowCount() ? real.ItemOfRow(r) : -1;
    const QString shown = item < 0 ? QStringLiteral("no row")
                                   : RowText(real.ItemRecNo(item), real.ItemLevel(item),
                                             real.ItemCollapsed(item) && real.MatchingExit(item) >= 0);
    const int mi = r < int(rows.size()) ? rows[size_t(r)] : -1;
    const QString expected =
        mi < 0 ? QStringLiteral("no row")
               : RowText(m.Items[size_t(mi)].RecNo, m.Items[size_t(mi)].Level,
                         m.Collapsed.count(m.Items[size_t(mi)].RecNo) && exits[size_t(mi)] >= 0);
    if (shown != expected)
      return QStringLiteral("%1 row %2 is %3, the model's %4").arg(ViewLabel(s, index)).arg(r).arg(shown, expected);
  }
  return {};
}

QString Rows(const TSides& s) {
  for (int i = 0; i < int(s.Model.Views.size()); ++i)
    if (QString text = ViewRows(s, i); !text.isEmpty()) return text;
  return {};
}

QString Focus(const TSides& s) {
  for (int i = 0; i < int(s.Model.Views.size()); ++i) {
    const TQBMessageView& view = RealView(s, i);
    const int row = view.GetItemIndex();
    const int focused = row < 0 ? -1 : view.GetRowRecNo(row);
    const int expected = s.Model.Views[size_t(i)].Focus;
    if (focused != expected)
      return QStringLiteral("%1 focuses %2 (row %3), the model %4 (row %5)")
          .arg(ViewLabel(s, i), focused < 0 ? QStringLiteral("nothing") : QStringLiteral("#%1").arg(focused))
          .arg(row)
          .arg(expected < 0 ? QStringLiteral("nothing") : QStringLiteral("#%1").arg(expected))
          .arg(s.Model.RowOf(s.Model.Views[size_t(i)], expected));
  }
  return {};
}

// The selected messages: the selected rows, a selected collapsed method with its hidden body, and
// nothing else. Checked after the rows' own flags, so a difference here lies in what rows hide.
QString Selection(const TSides& s) {
  for (int i = 0; i < int(s.Model.Views.size()); ++i) {
    const TQBViewRows& real = RealView(s, i).Model().Rows();
    std::vector<int> flagged, hidden;
    for (int item = 0; item < real.ItemCount(); ++item) {
      if (!real.ItemSelected(item)) continue;
      flagged.push_back(real.ItemRecNo(item));
      if (!real.IsItemVisible(item)) hidden.push_back(real.ItemRecNo(item));
    }
    const std::set<int> expected = s.Model.SelectedWithBodies(s.Model.Views[size_t(i)]);
    if (flagged != std::vector<int>(expected.begin(), expected.end()))
      return QStringLiteral("%1 selects %2 (hidden among them: %3), the model %4")
          .arg(ViewLabel(s, i), Ids(flagged), Ids(hidden), Ids({expected.begin(), expected.end()}));
  }
  return {};
}

// The selection of the rows (each row's own flag), before what they hide is looked at.
QString SelectedRows(const TSides& s) {
  for (int i = 0; i < int(s.Model.Views.size()); ++i) {
    const TQBViewRows& real = RealView(s, i).Model().Rows();
    std::vector<int> selected;
    for (int row = 0; row < real.RowCount(); ++row)
      if (real.IsRowSelected(row)) selected.push_back(real.GetRowRecNo(row));
    const std::set<int>& expected = s.Model.Views[size_t(i)].Selected;
    if (selected != std::vector<int>(expected.begin(), expected.end()))
      return QStringLiteral("%1 selects the rows %2, the model %3")
          .arg(ViewLabel(s, i), Ids(selected), Ids({expected.begin(), expected.end()}));
  }
  return {};
}

QString InSight(const TSides& s) {
  if (!s.Driver.FocusMoved()) return {};
  const TQBMessageView& view = RealView(s, s.Model.Current);
  const int row = view.GetItemIndex();
  if (row >= view.TopIndex() && row < view.TopIndex() + view.PageRows()) return {};
  return QStringLiteral("the focused row %1 is out of sight (rows %2 to %3 show)")
      .arg(row).arg(view.TopIndex()).arg(view.TopIndex() + view.PageRows() - 1);
}

QString Status(const TSides& s) {
  const TView& v = s.Model.View();
  const TQBStatusPanes& panes = s.Window.StatusPanes();
  const QString expected[] = {qbstatus::SelectionCountText(s.Model.SelectedCount(v)),
                              qbstatus::MessageNumberText(v.Focus),
                              qbstatus::MessageCountText(int(s.Model.Rows(v).size()), int(s.Model.Store.size()))};
  const QString shown[] = {panes.SelectionCount()->text(), panes.MessageNumber()->text(), panes.MessageCount()->text()};
  for (int i = 0; i < 3; ++i)
    if (shown[i] != expected[i]) return QStringLiteral("a status pane says '%1', the model '%2'").arg(shown[i], expected[i]);
  return {};
}

// The rules' inputs as the model sees the window; what the model does not keep (the panes shown, the
// columns, the inspector's own abilities) is read from the window, which no step changes.
TQBCommandInputs ExpectedInputs(const TSides& s) {
  const TWindowModel& m = s.Model;
  const TView& v = m.View();
  TQBCommandInputs in;
  in.HasView = in.List = in.Methods = in.Search = in.Print = in.Save = in.Export = in.Time = true;
  in.Rows = int(m.Rows(v).size());
  in.Current = v.Focus != -1;
  in.Selected = m.SelectedCount(v);
  if (in.Current) {
    const int item = m.ItemOf(v, v.Focus);
    in.FocusedType = m.Msg(v.Focus).Type;
    in.FocusedLevel = v.Items[size_t(item)].Level;
    in.FocusedCollapsed = in.FocusedType == 9 && v.Collapsed.count(v.Focus) > 0;
  }
  for (int n = 0; n < 10; ++n)
    if (v.Bookmarks[size_t(n)] != -1) in.Bookmarks |= uint16_t(1u << n);
  in.NavFirst = in.NavPrevious = m.HasKindBefore(v);
  in.NavNext = in.NavLast = m.HasKindAfter(v);
  in.ViewCount = int(m.Views.size());
  in.CurrentTab = m.Current;
  in.StoreCount = int(m.Store.size());
  in.LogModified = m.LogModified;
  in.HasCurrentFile = !m.CurrentFile.isEmpty();
  in.FollowLogFile = m.Following;
  in.ProjectModified = m.ProjectModified;
  in.InspectorCanCopy = s.Window.InspectorPane().CanCopyContents();
  in.InspectorCanPrint = s.Window.InspectorPane().CanPrintContents();
  const TQBDisplaySettings& d = s.Window.Settings().Display;
  in.InspectorShown = d.Inspector, in.InspectorOnBottom = d.InspectorOnBottom, in.CallStackShown = d.CallStack;
  in.FullSizeInspector = s.Window.CommandStates().IsChecked(TQBCmd::FullSizeInspector);
  in.DetailPanel = d.DetailPanel, in.WrapButtons = d.WrapButtons, in.AlwaysOnTop = d.AlwaysOnTop;
  in.OverviewBar = d.OverviewBar;
  in.Columns = d.Columns, in.HideExtraColumns = d.HideExtraColumns;
  in.AutoCollapse = m.AutoCollapse, in.Flatten = s.Window.Settings().General.FlattenStructure;
  return in;
}

QString Commands(const TSides& s) {
  const TQBCommandStates expected = ComputeCommandStates(ExpectedInputs(s));
  const TQBCommandStates& shown = s.Window.CommandStates();
  QStringList wrong;
  for (size_t i = 0; i < QBCommandCount; ++i) {
    const TQBCmd cmd = TQBCmd(i);
    if (shown.IsEnabled(cmd) != expected.IsEnabled(cmd))
      wrong << QStringLiteral("%1 %2").arg(QLatin1String(QBCommandInfo(cmd).Name), expected.IsEnabled(cmd) ? "should be enabled" : "should be disabled");
    if (shown.IsChecked(cmd) != expected.IsChecked(cmd))
      wrong << QStringLiteral("%1 %2").arg(QLatin1String(QBCommandInfo(cmd).Name), expected.IsChecked(cmd) ? "should be ticked" : "should not be ticked");
  }
  if (shown.ToggleExpands != expected.ToggleExpands) wrong << QStringLiteral("Toggle Method's caption");
  return wrong.join(QStringLiteral(", "));
}

}  // namespace

TFailure CheckInvariants(const TModelDriver& driver) {
  const TSides sides{driver, driver.Model(), driver.Window()};
  static const struct {
    const char* Name;
    QString (*Check)(const TSides&);
  } checks[] = {{"errors", Errors},       {"dialogs", Dialogs}, {"store", Store},   {"views", Views},
                {"rows", Rows},           {"focus", Focus},     {"selection", SelectedRows},
                {"hidden selection", Selection},
                {"in sight", InSight},    {"status", Status},   {"commands", Commands}};
  for (const auto& c : checks)
    if (QString text = c.Check(sides); !text.isEmpty()) return {QLatin1String(c.Name), text};
  return {};
}

}  // namespace qbmodel
