#pragma once
// A view class as plug-ins register it with PlugInManager->RegisterCustomView: a factory that creates
// the view with its owner, and that says whether the class implements IQBMessageView. The answer comes
// from the class's declaration, not from a created view, so the manager can refuse a class without
// constructing one.
//
//   static const TQBViewClassOf<TMyView> MyViewClass;   // TMyView(QWidget* owner), a QWidget
//   PlugInManager->RegisterCustomView("My View", &MyViewClass);
//
// The object stays owned by the module that registered it and must live until the module is unloaded.

#include <quillbox/QBCustomViewIntf.h>
#include <quillbox/QuillboxHostExport.h>

#include <type_traits>

class QWidget;

class QUILLBOX_HOST_EXPORT TQBCustomViewClass {
public:
  TQBCustomViewClass();
  virtual ~TQBCustomViewClass();
  TQBCustomViewClass(const TQBCustomViewClass&) = delete;
  TQBCustomViewClass& operator=(const TQBCustomViewClass&) = delete;

  // A new view owned by owner (its QObject parent until the main window gives it a tab page).
  virtual QWidget* Create(QWidget* owner) const = 0;
  virtual bool ImplementsMessageView() const = 0;
};

template <typename TView>
class TQBViewClassOf final : public TQBCustomViewClass {
public:
  QWidget* Create(QWidget* owner) const override { return new TView(owner); }
  bool ImplementsMessageView() const override { return std::is_base_of_v<IQBMessageView, TView>; }
};
