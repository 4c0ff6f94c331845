#pragma once
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "foundation/Events.h"
#include "host/form/FormDocument.h"
#include "host/form/ImageList.h"
#include "host/form/JsonVariant.h"
#include "host/headless/HeadlessSite.h"
#include "host/headless/ReplayScript.h"
#include "library/vornbutton2.h"

namespace vorn {

/// A form document brought to life in a host: the form window, its image lists, and every control
/// created through the library's classes on its own site, fed its stored properties (or its
/// defaults), shown, and listened to. Events of the form's own controls are printed as
/// NAME.Event(ARG, ...).
class Form final : public ReplayContext, public EventSink {
 public:
  /// Loads everything it can; one line per fault goes to errors, and a faulty control or image
  /// does not keep the others from loading.
  /// builtInLists are image lists the host made itself, found by name like the document's own.
  Form(HeadlessHost& host, FormDocument doc, std::function<void(const std::string&)> output,
       std::vector<std::string>& errors, std::vector<Ref<ImageList>> builtInLists = {});
  ~Form() override;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  HeadlessSurface& Window() noexcept { return *window_; }
  const FormDocument& Document() const noexcept { return doc_; }
  Control* FindControl(const std::string& name) const;
  HeadlessSite* FindSite(const std::string& name) const;
  Ref<ImageList> FindImageList(const std::string& name) const;
  /// Properties each control reported changed, as "NAME.Property" in order.
  const std::vector<std::string>& ChangedProperties() const noexcept { return changed_; }

  /// Failed lines of event handlers so far.
  int HandlerFailures() const noexcept { return handlerFailures_; }
  /// Runs script lines (the document's onLoad, or a replay); returns the count of failures.
  int RunScript(const std::vector<ScriptCommand>& commands);
  int RunOnLoad(std::vector<std::string>& errors);

  /// The document as it stands now: every control's WriteProperties. A stored value the control
  /// could not use is kept as it was while the control still holds the default.
  FormDocument Snapshot(std::vector<std::string>& errors);

  /// A file this run reads (a replay script): snapshots and saves never write over it. The
  /// document itself may be saved over, but no picture is written over it.
  void ProtectFile(const std::string& path);

  // ReplayContext
  HeadlessHost& Host() override { return host_; }
  void CheckOutput(const std::string& path) const override;
  Ref<Object> Resolve(const std::string& name) override;
  HeadlessSurface* Window(const std::string& name) override;
  PointL ClientOrigin() override;
  RectL SnapshotArea() override;
  void Save(const std::string& path) override;
  Variant MakeValue(const nlohmann::ordered_json& literal) override;
  void Print(const std::string& line) override;

  // EventSink
  void OnEvent(Object& source, DispId id, std::span<Variant> args) override;

 private:
  struct Entry {
    ControlSpec desc;
    std::unique_ptr<HeadlessSite> site;
    IVornControl* handle = nullptr;  // the control as the class factory gave it
    Control* control = nullptr;      // the same control, seen from C++
    std::set<std::string> badProperties;
    std::set<std::string> readProperties;
    uint32_t cookie = 0;
  };
  void CreateControl(const ControlSpec& desc, std::vector<std::string>& errors);
  void ParseHandlers(std::vector<std::string>& errors);
  void LoadImageLists(std::vector<std::string>& errors);
  ImageListResolver Resolver() const;
  ImageListNamer Namer() const;
  const Entry* EntryOf(const Object* control) const;

  HeadlessHost& host_;
  FormDocument doc_;
  std::function<void(const std::string&)> output_;
  std::shared_ptr<FormAmbient> ambient_;
  std::unique_ptr<HeadlessSurface> window_;
  std::map<std::string, Ref<ImageList>> imageLists_;
  std::vector<std::unique_ptr<Entry>> controls_;
  std::vector<std::string> changed_;
  std::map<std::string, std::vector<ScriptCommand>> handlers_;  // "NAME.Event" -> lines
  int handlerFailures_ = 0;
  std::vector<std::string> protected_;
};

/// Builds an image list from its document entry, loading each picture; a picture that cannot be
/// read keeps its position (and fails when drawn) and is reported.
Ref<ImageList> LoadImageList(const ImageListSpec& desc, const std::string& baseDir, std::vector<std::string>& errors);

}  // namespace vorn
