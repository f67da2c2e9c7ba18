#include "window/model/QBModelDriver.h"

#include "model/QBMessageTypes.h"
#include "plugins/widgets/QBPlugInManager.h"
#include "settings/QBIniFile.h"
#include "settings/QBSettings.h"
#include "shell/QBLogFollower.h"
#include "view/widgets/QBMsgView.h"
#include "window/QBMainForm.h"

#include <quillbox/QBCustomViewClass.h>
#include <quillbox/QuillboxMessageSet.h>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTest>

#include <exception>
#include <filesystem>

namespace qbmodel {

namespace {

using S = TStepKind;

const TQBViewClassOf<TQBMessageView> kMessageViewClass;
constexpr int kLogSize = 300;
constexpr int kMoreSize = 60;

TFilter FilterOf(int arg) {
  TFilter f;
  const QString app = QLatin1String(kApps[arg / 7 % 3]), thread = QLatin1String(kThreads[arg / 7 % 3]);
  switch (arg % 6) {
    case 0: f.App = app; break;
    case 1: f.Thread = thread; break;
    case 2: f.Types = {qbmWarning, qbmError}; break;
    case 3: f.App = app, f.Types = {qbmEnterMethod, qbmExitMethod, qbmInfo, qbmError}; break;
    case 4: f.Types = {qbmEnterMethod, qbmExitMethod, qbmError, qbmNote}; break;
    default: break;  // every message
  }
  return f;
}

QString NotFoundText(const QString& text) { return QStringLiteral("Search string '%1' not found.").arg(text); }

void ResetStore() {
  MessageSet.Close();
  MessageSet.Open();
}

bool WriteFile(const QString& path, const QByteArray& bytes, QIODevice::OpenMode mode) {
  QFile file(path);
  return file.open(mode) && file.write(bytes) == bytes.size();
}

}  // namespace

TModelDriver::TModelDriver(uint32_t seed) {
  FSavedConfigDirs = qgetenv("XDG_CONFIG_DIRS");
  qputenv("XDG_CONFIG_DIRS", FFiles.Path(QStringLiteral("etc")).toUtf8());
  ResetStore();
  FPlugIns = std::make_unique<TQBPlugInManagerScope>(QString(), kMessageViewClass,
                                                     [this](QMessageBox::Icon, const QString&, const QString& text) {
                                                       FScript.Errors << text;
                                                     });
  FIni = std::make_unique<TQBIniFile>(FFiles.Path(QStringLiteral("QBFileViewer.ini")), false);
  TQBFolders folders;
  folders.DefaultLogs = FFiles.Path(QString());
  FWindow = std::make_unique<TFrmViewer>(*FIni, folders, QStringList{}, ScriptedShellDialogs(FScript));
  FWindow->resize(1000, 600);
  FWindow->show();
  (void)QTest::qWaitForWindowExposed(FWindow.get());
  FProgramViewDialogs = qbmsgviewdialogs::Installed();
  qbmsgviewdialogs::Install(&FViewDialogs);

  const std::vector<TMessage> log = GenerateLog(seed, kLogSize);
  const std::vector<TMessage> more = GenerateLog(seed + 7919, kMoreSize, log.back().Time + 1000);
  const QString path = QDir::cleanPath(FFiles.Write(QStringLiteral("trace.qbl"), LogBytes(log)));
  FMorePath = QDir::cleanPath(FFiles.Write(QStringLiteral("more.qbl"), LogBytes(more)));
  FModel.Files[path] = log;
  FModel.Files[FMorePath] = more;
  FWindow->LoadFile(path, false);
  FModel.Load(path);
  // Following is on for the whole run; navigation looks for errors, not for the focused kind.
  Trigger(TQBCmd::FollowLogFile);
  FModel.Following = true;
  if (QAction* automatic = FWindow->findChild<QAction*>(QStringLiteral("actNavAutomatic")); automatic && automatic->isChecked())
    automatic->trigger();
  FWindow->findChild<QAction*>(QStringLiteral("actNavError"))->trigger();
  FModel.NavKind = qbmError;
  QCoreApplication::processEvents();
}

TModelDriver::~TModelDriver() {
  qbmsgviewdialogs::Install(FProgramViewDialogs);
  FWindow.reset();
  FPlugIns.reset();
  ResetStore();
  qputenv("XDG_CONFIG_DIRS", FSavedConfigDirs);
}

QString TModelDriver::Describe() const {
  const TView& v = FModel.View();
  const TQBMessageView* view = View();
  return QStringLiteral("view %1: window row %2 anchor %3 selected %4 of %5 rows; model row %6 (#%7) anchor %8 selected %9 of %10")
      .arg(FModel.Current)
      .arg(view ? view->GetItemIndex() : -2)
      .arg(view ? view->AnchorRow() : -2)
      .arg(view ? view->SelectedCount() : -2)
      .arg(Rows())
      .arg(FModel.FocusRow(v))
      .arg(v.Focus)
      .arg(FModel.RowOf(v, v.Anchor))
      .arg(FModel.SelectedCount(v))
      .arg(FModel.Rows(v).size());
}

TQBMessageView* TModelDriver::View() const { return qobject_cast<TQBMessageView*>(FWindow->CurrentView().Object); }

int TModelDriver::Rows() const { return View() ? View()->GetCount() : 0; }

void TModelDriver::ReleaseModifiers() {
  // The user lets go of Shift and Ctrl: commands that look at the keyboard (Method Match extends the
  // selection with Shift held) see them up again.
  QTest::keyRelease(View(), Qt::Key_Shift, Qt::NoModifier);
  QTest::keyRelease(View(), Qt::Key_Control, Qt::NoModifier);
}

bool TModelDriver::Trigger(TQBCmd cmd) {
  QAction* action = FWindow->Action(cmd);
  if (!action->isEnabled()) return false;
  try {
    action->trigger();
  } catch (const std::exception& e) {
    FScript.Errors << QStringLiteral("exception from %1: %2").arg(action->objectName(), QString::fromUtf8(e.what()));
  } catch (...) {
    FScript.Errors << QStringLiteral("exception from %1").arg(action->objectName());
  }
  return true;
}

QString TModelDriver::Apply(const TStep& step) {
  FScript.Notices.clear();
  const int focusBefore = FModel.View().Focus, rowBefore = FModel.FocusRow(FModel.View()), viewBefore = FModel.Current;
  QString failure;
  switch (step.Kind) {
    case S::KeyUp: case S::KeyDown: case S::KeyPageUp: case S::KeyPageDown: case S::KeyHome: case S::KeyEnd:
    case S::KeyCtrlHome: case S::KeyCtrlEnd: case S::ShiftUp: case S::ShiftDown: case S::ShiftPageDown:
    case S::ShiftHome: case S::ShiftCtrlEnd:
      failure = Keys(step);
      break;
    case S::Click: case S::ShiftClick: case S::CtrlClick: case S::SelectAll: failure = Clicks(step); break;
    case S::Find: case S::FindMissing: case S::FindPattern: case S::FindNext: failure = Searches(step); break;
    case S::Jump: case S::GoToTime: case S::NavKind: case S::NavFirst: case S::NavPrevious: case S::NavNext:
    case S::NavLast: case S::MethodMatch: case S::CurrentMethod: case S::ToggleBookmark: case S::JumpToBookmark:
      failure = Moves(step);
      break;
    case S::ExpandAll: case S::ExpandToEnd: case S::CollapseAll: case S::ToggleMethod: case S::AutoCollapse:
      failure = Methods(step);
      break;
    case S::NewView: case S::ModifyView: case S::SwitchTab: case S::RemoveView: case S::RemoveAllViews:
    case S::Organize:
      failure = ViewCommands(step);
      break;
    case S::SaveProject: case S::CloseProject: case S::OpenProject: failure = Projects(step); break;
    case S::AddNote: case S::AddCheckPoint: case S::AddSeparator: case S::EditMessage:
      failure = Annotations(step);
      break;
    case S::Delete: case S::Crop: case S::Clear: case S::Copy: failure = Edits(step); break;
    case S::Append: case S::SaveReload: failure = Files(step); break;
    case S::FollowGrow: case S::FollowRotate: failure = Follow(step); break;
  }
  // Posted selection notices and repaints run as they would between two user actions.
  QCoreApplication::processEvents();
  FFocusMoved = FModel.Current == viewBefore && FModel.View().Focus != -1 &&
                (FModel.View().Focus != focusBefore || FModel.FocusRow(FModel.View()) != rowBefore);
  return failure;
}

QString TModelDriver::Keys(const TStep& step) {
  static const struct {
    S Kind;
    int Key;
    Qt::KeyboardModifiers Modifiers;
  } keys[] = {
      {S::KeyUp, Qt::Key_Up, Qt::NoModifier},          {S::KeyDown, Qt::Key_Down, Qt::NoModifier},
      {S::KeyPageUp, Qt::Key_PageUp, Qt::NoModifier},  {S::KeyPageDown, Qt::Key_PageDown, Qt::NoModifier},
      {S::KeyHome, Qt::Key_Home, Qt::NoModifier},      {S::KeyEnd, Qt::Key_End, Qt::NoModifier},
      {S::KeyCtrlHome, Qt::Key_Home, Qt::ControlModifier}, {S::KeyCtrlEnd, Qt::Key_End, Qt::ControlModifier},
      {S::ShiftUp, Qt::Key_Up, Qt::ShiftModifier},     {S::ShiftDown, Qt::Key_Down, Qt::ShiftModifier},
      {S::ShiftPageDown, Qt::Key_PageDown, Qt::ShiftModifier}, {S::ShiftHome, Qt::Key_Home, Qt::ShiftModifier},
      {S::ShiftCtrlEnd, Qt::Key_End, Qt::ShiftModifier | Qt::ControlModifier},
  };
  for (const auto& k : keys) {
    if (k.Kind != step.Kind || !View()) continue;
    // The page is the window's: the tab strip takes a line once there are two views.
    FModel.PageRows = View()->PageRows();
    QTest::keyClick(View(), Qt::Key(k.Key), k.Modifiers);
    ReleaseModifiers();
    FModel.Key(k.Key, k.Modifiers.testFlag(Qt::ShiftModifier), k.Modifiers == Qt::ControlModifier);
  }
  return {};
}

QString TModelDriver::Clicks(const TStep& step) {
  if (step.Kind == S::SelectAll) {
    if (Trigger(TQBCmd::SelectAll)) FModel.SelectAll();
    return {};
  }
  TQBMessageView* view = View();
  if (!view || view->GetCount() == 0) return {};
  // A row the user can see.
  const int shown = std::min(view->PageRows(), view->GetCount() - view->TopIndex());
  const int row = view->TopIndex() + step.Arg % std::max(1, shown);
  const Qt::KeyboardModifiers modifiers = step.Kind == S::ShiftClick  ? Qt::ShiftModifier
                                          : step.Kind == S::CtrlClick ? Qt::ControlModifier
                                                                      : Qt::NoModifier;
  QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, view->RowRect(row).center());
  ReleaseModifiers();
  if (step.Kind == S::Click) FModel.MoveTo(row);
  if (step.Kind == S::ShiftClick) FModel.ExtendTo(row);
  if (step.Kind == S::CtrlClick) FModel.CtrlClick(row);
  return {};
}

QString TModelDriver::Search(bool fresh) {
  const bool found = FModel.Find(fresh);
  const QStringList expected = found ? QStringList() : QStringList{NotFoundText(FModel.FindText)};
  if (FScript.Notices != expected)
    return QStringLiteral("notice: the search said [%1], the model expects [%2]")
        .arg(FScript.Notices.join(u'|'), expected.join(u'|'));
  return {};
}

QString TModelDriver::Searches(const TStep& step) {
  static const char* const patterns[] = {"^Sigma \\d+$", "gam+a [0-9]", "^(alpha|beta) 9", "needle\\s1", "zz+top"};
  if (step.Kind == S::FindNext) return Trigger(TQBCmd::FindNext) ? Search(false) : QString();
  TQBFindRequest& find = FScript.Find;
  find.Forward = true, find.InDetails = false;
  find.FromCursor = step.Arg % 2 == 1;
  find.Options.MatchCase = step.Arg % 7 == 0;
  find.Options.RegularExpression = step.Kind == S::FindPattern;
  find.Text = step.Kind == S::FindMissing   ? QLatin1String(kMissingWord)
              : step.Kind == S::FindPattern ? QLatin1String(patterns[step.Arg / 2 % 5])
                                            : QLatin1String(kWords[step.Arg / 2 % 6]);
  if (!Trigger(TQBCmd::Find)) return {};
  FModel.FindText = find.Text, FModel.FromCursor = find.FromCursor;
  FModel.MatchCase = find.Options.MatchCase, FModel.RegularExpression = find.Options.RegularExpression;
  return Search(true);
}

QString TModelDriver::Moves(const TStep& step) {
  switch (step.Kind) {
    case S::Jump:
      FScript.JumpRow = step.Arg % (Rows() + 3);
      if (Trigger(TQBCmd::JumpToMsg)) FModel.SelectRow(FScript.JumpRow);
      break;
    case S::GoToTime: {
      if (FModel.Store.empty()) break;
      const TMessage& m = FModel.Msg(1 + step.Arg % int(FModel.Store.size()));
      FScript.Time = {m.Time + (step.Arg % 3 - 1) * 5, m.Date};
      if (Trigger(TQBCmd::GoToTime)) FModel.GoToTime(FScript.Time.Date, FScript.Time.Time);
      break;
    }
    case S::NavKind: {
      static const std::pair<const char*, int32_t> kinds[] = {
          {"actNavError", qbmError}, {"actNavWarning", qbmWarning}, {"actNavEnterMethod", qbmEnterMethod}};
      const auto& [name, code] = kinds[step.Arg % 3];
      FWindow->findChild<QAction*>(QLatin1String(name))->trigger();
      FModel.NavKind = code;
      break;
    }
    case S::NavFirst: if (Trigger(TQBCmd::NavFirst)) FModel.Navigate(0); break;
    case S::NavPrevious: if (Trigger(TQBCmd::NavPrevious)) FModel.Navigate(1); break;
    case S::NavNext: if (Trigger(TQBCmd::NavNext)) FModel.Navigate(2); break;
    case S::NavLast: if (Trigger(TQBCmd::NavLast)) FModel.Navigate(3); break;
    case S::MethodMatch: if (Trigger(TQBCmd::MethodMatch)) FModel.MethodMatch(); break;
    case S::CurrentMethod: if (Trigger(TQBCmd::CurrentMethod)) FModel.CurrentMethod(); break;
    case S::ToggleBookmark: if (Trigger(ToggleBookmarkCmd(step.Arg % 3))) FModel.ToggleBookmark(step.Arg % 3); break;
    case S::JumpToBookmark: if (Trigger(JumpToBookmarkCmd(step.Arg % 3))) FModel.JumpToBookmark(step.Arg % 3); break;
    default: break;
  }
  return {};
}

QString TModelDriver::Methods(const TStep& step) {
  switch (step.Kind) {
    case S::ExpandAll: if (Trigger(TQBCmd::ExpandAll)) FModel.ExpandAll(true); break;
    case S::ExpandToEnd: if (Trigger(TQBCmd::ExpandToEnd)) FModel.ExpandAll(false); break;
    case S::CollapseAll: if (Trigger(TQBCmd::CollapseAll)) FModel.CollapseAll(); break;
    case S::ToggleMethod: if (Trigger(TQBCmd::ToggleMethod)) FModel.ToggleMethod(); break;
    case S::AutoCollapse: if (Trigger(TQBCmd::AutoCollapse)) FModel.AutoCollapse = !FModel.AutoCollapse; break;
    default: break;
  }
  return {};
}

QString TModelDriver::ViewCommands(const TStep& step) {
  FScript.ViewFilter = FilterOf(step.Arg);
  switch (step.Kind) {
    case S::NewView:
      FScript.ViewName = QStringLiteral("View %1").arg(step.Arg);
      if (Trigger(TQBCmd::ViewNew)) FModel.NewView(FScript.ViewName, FScript.ViewFilter);
      break;
    case S::ModifyView: if (Trigger(TQBCmd::ViewModify)) FModel.ModifyView(FScript.ViewFilter); break;
    case S::SwitchTab: {
      const bool next = step.Arg % 2 == 0;
      if (Trigger(next ? TQBCmd::ViewNext : TQBCmd::ViewPrior))
        FModel.Current = std::clamp(FModel.Current + (next ? 1 : -1), 0, int(FModel.Views.size()) - 1);
      break;
    }
    case S::RemoveView: if (Trigger(TQBCmd::ViewRemove)) FModel.RemoveView(); break;
    case S::RemoveAllViews: if (Trigger(TQBCmd::ViewRemoveAll)) FModel.RemoveAllViews(); break;
    case S::Organize: {
      const bool byApp = step.Arg % 2 == 0;
      FScript.OrganizeFields = byApp ? orgAppName : orgThreadName;
      if (Trigger(TQBCmd::OrganizeMessages)) FModel.Organize(byApp ? TOrganizeField::App : TOrganizeField::Thread);
      break;
    }
    default: break;
  }
  return {};
}

QString TModelDriver::Projects(const TStep& step) {
  switch (step.Kind) {
    case S::SaveProject: {
      FScript.SavePath = QDir::cleanPath(FFiles.Path(QStringLiteral("p%1.qbp").arg(step.Arg % 2)));
      if (FModel.Project.isEmpty() || step.Arg % 3 == 0) {
        if (Trigger(TQBCmd::SaveProjectAs)) FModel.SaveProject(FScript.SavePath);
      } else if (Trigger(TQBCmd::SaveProject) && FModel.ProjectModified) {
        FModel.SaveProject(FModel.Project);
      }
      break;
    }
    case S::CloseProject: if (Trigger(TQBCmd::CloseProject)) FModel.CloseProject(); break;
    case S::OpenProject: {
      if (FModel.Projects.empty()) break;
      auto saved = FModel.Projects.begin();
      std::advance(saved, step.Arg % int(FModel.Projects.size()));
      FScript.OpenPath = saved->first;
      if (Trigger(TQBCmd::OpenProject)) FModel.OpenProject(saved->first);
      break;
    }
    default: break;
  }
  return {};
}

TMessage TModelDriver::LastStoredMessage() const {
  const TQBMessageRef m = MessageSet.At(MessageSet.GetRecordCount());
  return {m.MsgType(), m.MsgText(), m.AppName(), m.ThreadName(), m.TimeStamp().Date, m.TimeStamp().Time};
}

QString TModelDriver::Annotations(const TStep& step) {
  FScript.EditedText = step.Arg % 3 == 0 ? std::nullopt : std::optional<QString>(QStringLiteral("edited %1").arg(step.Arg));
  const int stored = MessageSet.GetRecordCount();
  const auto added = [&](int32_t type) -> QString {
    if (MessageSet.GetRecordCount() != stored + 1 || MessageSet.At(stored + 1).MsgType() != type)
      return QStringLiteral("annotation: the store holds %1 messages, the last of type %2; expected one more of type %3")
          .arg(MessageSet.GetRecordCount())
          .arg(MessageSet.GetRecordCount() > 0 ? MessageSet.At(MessageSet.GetRecordCount()).MsgType() : -1)
          .arg(type);
    return {};
  };
  switch (step.Kind) {
    case S::AddNote: {
      if (!Trigger(TQBCmd::AddNote)) return {};
      if (const QString wrong = added(qbmNote); !wrong.isEmpty()) return wrong;
      TMessage note = LastStoredMessage();
      note.Text = QStringLiteral("New Note");
      FModel.AddNote(note, FScript.EditedText);
      return {};
    }
    case S::AddCheckPoint:
    case S::AddSeparator: {
      const bool checkPoint = step.Kind == S::AddCheckPoint;
      if (!Trigger(checkPoint ? TQBCmd::AddCheckPoint : TQBCmd::AddSeparator)) return {};
      if (const QString wrong = added(checkPoint ? qbmCheckPoint : qbmSeparator); !wrong.isEmpty()) return wrong;
      FModel.AddMessage(LastStoredMessage());
      FModel.LogModified = true;
      return {};
    }
    default:
      if (Trigger(TQBCmd::EditMessage) && FScript.EditedText) FModel.EditFocused(*FScript.EditedText);
      return {};
  }
}

QString TModelDriver::Edits(const TStep& step) {
  switch (step.Kind) {
    case S::Delete: if (Trigger(TQBCmd::Delete)) FModel.Delete(); break;
    case S::Crop: if (Trigger(TQBCmd::CropToSelection)) FModel.Crop(); break;
    case S::Clear:
      FScript.ClearAll = step.Arg % 2 == 1;
      if (Trigger(TQBCmd::Clear)) FModel.Clear(FScript.ClearAll);
      break;
    case S::Copy: {
      const QString untouched = QStringLiteral("(clipboard before Copy)");
      QGuiApplication::clipboard()->setText(untouched);
      if (!Trigger(TQBCmd::CopyMessageText)) break;
      const QString expected = FModel.ClipboardText().value_or(untouched);
      const QString copied = QGuiApplication::clipboard()->text();
      if (copied != expected)
        return QStringLiteral("copy: the clipboard holds\n%1\nthe model expects\n%2").arg(copied, expected);
      break;
    }
    default: break;
  }
  return {};
}

QString TModelDriver::Files(const TStep& step) {
  if (step.Kind == S::SaveReload) return SaveAndReload();
  FScript.OpenPath = FMorePath;
  if (Trigger(TQBCmd::Append)) FModel.Append(FMorePath);
  return {};
}

QString TModelDriver::SaveAndReload() {
  const QString path = FModel.CurrentFile.isEmpty() ? QDir::cleanPath(FFiles.Path(QStringLiteral("saved.qbl")))
                                                    : FModel.CurrentFile;
  FScript.SavePath = path;
  // "Save the filtered view?" Yes.
  FScript.YesNoCancel = 6;
  const bool saved = Trigger(TQBCmd::Save);
  FScript.YesNoCancel = 7;
  if (!saved) return {};
  FModel.Save(path);
  if (FModel.CurrentFile.isEmpty()) {
    FScript.OpenPath = path;
    if (Trigger(TQBCmd::Open)) FModel.Load(path);
    return {};
  }
  const int row = FModel.FocusRow(FModel.View());
  if (!Trigger(TQBCmd::Refresh)) return {};
  FModel.Load(path);
  const int rows = int(FModel.Rows(FModel.View()).size());
  if (row >= 0 && rows > 0) FModel.SetCurrentRow(std::min(row, rows - 1));
  return {};
}

std::vector<TMessage> TModelDriver::NewMessages(int arg, int count) const {
  const int32_t after = FModel.Store.empty() ? 0 : FModel.Store.back().Time + 1;
  return GenerateLog(uint32_t(arg) * 7 + 1, count, after);
}

QString TModelDriver::Follow(const TStep& step) {
  const QString path = FModel.CurrentFile;
  if (path.isEmpty()) return {};
  if (!FWindow->Follower().Following()) return QStringLiteral("follow: the window does not follow %1").arg(path);
  std::vector<TMessage>& file = FModel.Files[path];
  if (step.Kind == S::FollowGrow) {
    const std::vector<TMessage> added = NewMessages(step.Arg, 1 + step.Arg % 4);
    if (!WriteFile(path, LogBytes(added), QIODevice::Append)) return QStringLiteral("follow: cannot write ") + path;
    file.insert(file.end(), added.begin(), added.end());
    FWindow->Follower().ReadNow();
    FModel.FollowAppended(added);
    return {};
  }
  // Rotation: the file is cut to a part of its start with new records after it, or replaced by such a file.
  if (file.size() < 8) return {};
  std::vector<TMessage> rotated(file.begin(), file.begin() + step.Arg % (file.size() / 2));
  const std::vector<TMessage> added = NewMessages(step.Arg, 2);
  rotated.insert(rotated.end(), added.begin(), added.end());
  // A cut file must be shorter than what was read of it, or the follower would read on inside it.
  while (!rotated.empty() && LogBytes(rotated).size() >= QFileInfo(path).size()) rotated.erase(rotated.begin());
  const bool replace = step.Arg % 2 == 1;
  const QString written = replace ? path + QStringLiteral(".new") : path;
  if (!WriteFile(written, LogBytes(rotated), QIODevice::WriteOnly | QIODevice::Truncate))
    return QStringLiteral("follow: cannot write ") + written;
  // Renamed over the old file while both exist, so the new one is another file, as a log rotation makes it.
  std::error_code error;
  if (replace) std::filesystem::rename(written.toStdString(), path.toStdString(), error);
  if (error) return QStringLiteral("follow: cannot replace ") + path;
  file = rotated;
  FWindow->Follower().ReadNow();
  FModel.FollowReload();
  return {};
}

}  // namespace qbmodel
