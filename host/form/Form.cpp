#include "host/form/Form.h"

#include <algorithm>
#include <filesystem>

#include "foundation/files/UserFile.h"
#include "host/form/JsonPropertyBag.h"
#include "host/headless/ValueText.h"
#include "host/raster/Png.h"
#include "library/TypeLibrary.h"
#include "library/com/ComObjects.h"

namespace vorn {

Ref<ImageList> LoadImageList(const ImageListSpec& desc, const std::string& baseDir, std::vector<std::string>& errors) {
  auto list = MakeRef<ImageList>(desc.name, static_cast<int16_t>(desc.imageWidth), static_cast<int16_t>(desc.imageHeight));
  for (const std::string& file : desc.images) {
    const std::string path = (std::filesystem::path(baseDir) / file).string();
    try {
      list->Add(ReadPng(path));
    } catch (const std::exception& e) {
      errors.push_back("image list \"" + desc.name + "\": " + e.what());
      list->Add(nullptr);
    }
  }
  return list;
}

Form::Form(HeadlessHost& host, FormDocument doc, std::function<void(const std::string&)> output,
           std::vector<std::string>& errors, std::vector<Ref<ImageList>> builtInLists)
    : host_(host), doc_(std::move(doc)), output_(std::move(output)) {
  ambient_ = std::make_shared<FormAmbient>();
  const FontSpec& fs = doc_.form.font;
  ambient_->font = MakeRef<Font>(fs.name, fs.size, fs.bold);
  ambient_->font->SetItalic(fs.italic);
  ambient_->propertyChanged = [this](const std::string& control, std::string_view property) {
    changed_.push_back(control + "." + std::string(property));
  };
  const FormSpec& f = doc_.form;
  window_ = std::make_unique<HeadlessSurface>(host_, WindowKind::Form, f.name, nullptr,
                                              RectL{f.left, f.top, f.left + f.width, f.top + f.height},
                                              ambient_->font->Clone(), f.backColor);
  for (Ref<ImageList>& list : builtInLists) imageLists_[list->Name()] = list;
  LoadImageLists(errors);
  ParseHandlers(errors);
  for (const ControlSpec& desc : doc_.controls) CreateControl(desc, errors);
}

namespace {
// Why a handler key "NAME.Event" names nothing that can ever raise it; empty when it can.
std::string UnknownHandlerTarget(const FormDocument& doc, const std::string& key) {
  const size_t dot = key.find('.');
  const std::string name = key.substr(0, dot);
  const std::string event = key.substr(dot + 1);
  auto control = std::find_if(doc.controls.begin(), doc.controls.end(),
                              [&](const ControlSpec& c) { return c.name == name; });
  if (control == doc.controls.end()) return "no control named \"" + name + "\"";
  const LibraryClass* cls = FindLibraryClass(control->cls);
  if (!cls) return {};  // its unknown class is reported with the control
  const ClassInfo& info = cls->table();
  std::string events;
  for (const EventInfo& e : info.events) {
    if (e.name == event) return {};
    events += (events.empty() ? "" : ", ") + std::string(e.name);
  }
  return std::string(info.name) + " has no event \"" + event + "\" (" +
         (events.empty() ? std::string("it raises none") : "its events: " + events) + ")";
}
}  // namespace

void Form::ParseHandlers(std::vector<std::string>& errors) {
  // One fault a handler: its lines first, then what it names.
  for (const auto& [key, lines] : doc_.handlers) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    try {
      std::vector<ScriptCommand> script = ParseScript(text, doc_.form.name + ": handler " + key);
      if (const std::string why = UnknownHandlerTarget(doc_, key); !why.empty()) {
        errors.push_back(doc_.form.name + ": handler \"" + key + "\": " + why);
        continue;
      }
      handlers_[key] = std::move(script);
    } catch (const ScriptError& e) {
      errors.push_back(e.what());
    }
  }
}

Form::~Form() {
  // Controls go first (last created first), then their sites.
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    Entry& e = **it;
    if (!e.control) continue;
    e.control->Connections().Unadvise(e.cookie);
    e.control = nullptr;
    e.handle->lpVtbl->Release(e.handle);  // the last reference: the control terminates
  }
  controls_.clear();
}

void Form::LoadImageLists(std::vector<std::string>& errors) {
  for (const ImageListSpec& desc : doc_.imageLists) {
    std::vector<std::string> listErrors;
    imageLists_[desc.name] = LoadImageList(desc, doc_.baseDir, listErrors);
    for (const std::string& e : listErrors) errors.push_back(doc_.form.name + ": " + e);
  }
}

ImageListResolver Form::Resolver() const {
  return [this](const std::string& name) -> Ref<Object> { return FindImageList(name); };
}

ImageListNamer Form::Namer() const {
  return [this](const Object* o) -> std::string {
    for (const auto& [name, list] : imageLists_) {
      if (list.get() == o) return name;
    }
    return {};
  };
}

namespace {
// The text of the error behind a failed library call.
std::string LastErrorText(HRESULT hr) {
  int32_t number = 0;
  BSTR text = nullptr;
  if (vornGetErrorInfo(&number, &text) == S_OK) {
    std::string s = std::string(text ? text : "") + " (" + std::to_string(number) + ")";
    vornSysFreeString(text);
    return s;
  }
  char buf[32];
  std::snprintf(buf, sizeof buf, "failed (0x%08X)", static_cast<uint32_t>(hr));
  return buf;
}
}  // namespace

void Form::CreateControl(const ControlSpec& desc, std::vector<std::string>& errors) {
  const std::string where = doc_.form.name + ": control " + desc.name;
  // Every control comes from the library's class factory, found by its programmatic identifier.
  const LibraryClass* cls = FindLibraryClass(desc.cls);
  IClassFactory* factory = nullptr;
  if (!cls || DllGetClassObject(cls->clsid, &IID_IClassFactory, reinterpret_cast<void**>(&factory)) != S_OK) {
    errors.push_back(where + ": unknown class \"" + desc.cls + "\"");
    return;
  }
  auto entry = std::make_unique<Entry>();
  entry->desc = desc;
  entry->site = std::make_unique<HeadlessSite>(
      host_, window_.get(), desc.name, RectL{desc.left, desc.top, desc.left + desc.width, desc.top + desc.height},
      ambient_);
  HRESULT hr = factory->lpVtbl->CreateInstance(factory, nullptr, &IID_IVornControl,
                                                reinterpret_cast<void**>(&entry->handle));
  factory->lpVtbl->Release(factory);
  if (hr == S_OK) hr = entry->handle->lpVtbl->SetSite(entry->handle, static_cast<ControlSite*>(entry->site.get()));
  if (hr == S_OK) entry->control = dynamic_cast<Control*>(ObjectBehind(reinterpret_cast<IUnknown*>(entry->handle)));
  if (!entry->control) {
    errors.push_back(where + ": cannot be created: " + LastErrorText(hr));
    if (entry->handle) entry->handle->lpVtbl->Release(entry->handle);
    return;
  }
  entry->cookie = entry->control->Connections().Advise(*this);
  // Listed before it starts, so that events it raises while loading are printed with its name.
  Entry& added = *entry;
  controls_.push_back(std::move(entry));
  JsonPropertyBag bag(desc.stored ? &desc.properties : nullptr, Resolver(), Namer(), where);
  hr = desc.stored ? added.handle->lpVtbl->Load(added.handle, static_cast<PropertyBag*>(&bag))
                   : added.handle->lpVtbl->InitNew(added.handle);
  if (hr != S_OK) errors.push_back(where + ": " + LastErrorText(hr));
  for (const std::string& e : bag.Errors()) errors.push_back(e);
  added.badProperties = bag.BadNames();
  added.readProperties = bag.ReadNames();
}

int Form::RunScript(const std::vector<ScriptCommand>& commands) {
  ReplayRunner runner(*this, commands);
  runner.RunAll();
  return runner.Failures();
}

int Form::RunOnLoad(std::vector<std::string>& errors) {
  std::string text;
  for (const std::string& line : doc_.onLoad) text += line + "\n";
  try {
    return RunScript(ParseScript(text, doc_.form.name + ": onLoad"));
  } catch (const ScriptError& e) {
    errors.push_back(e.what());
    return 1;
  }
}

const Form::Entry* Form::EntryOf(const Object* control) const {
  for (const auto& e : controls_) {
    if (e->control == control) return e.get();
  }
  return nullptr;
}

Control* Form::FindControl(const std::string& name) const {
  for (const auto& e : controls_) {
    if (e->desc.name == name) return e->control;
  }
  return nullptr;
}

HeadlessSite* Form::FindSite(const std::string& name) const {
  for (const auto& e : controls_) {
    if (e->desc.name == name) return e->site.get();
  }
  return nullptr;
}

Ref<ImageList> Form::FindImageList(const std::string& name) const {
  auto it = imageLists_.find(name);
  return it == imageLists_.end() ? Ref<ImageList>() : it->second;
}

Ref<Object> Form::Resolve(const std::string& name) {
  if (Control* c = FindControl(name)) return Ref<Object>(c);
  return FindImageList(name);
}

HeadlessSurface* Form::Window(const std::string& name) {
  HeadlessSite* s = FindSite(name);
  return s ? &s->Window() : nullptr;
}

PointL Form::ClientOrigin() {
  const RectL r = window_->ScreenRect();
  return {r.left, r.top};
}

RectL Form::SnapshotArea() {
  // The form, and any visible popup reaching beyond it.
  RectL area = window_->ScreenRect();
  for (const HeadlessSurface* w : host_.ZOrder()) {
    if (w == window_.get() || !w->Visible() || w->Kind() == WindowKind::Form) continue;
    const RectL r = w->ScreenRect();
    area.left = std::min(area.left, r.left);
    area.top = std::min(area.top, r.top);
    area.right = std::max(area.right, r.right);
    area.bottom = std::max(area.bottom, r.bottom);
  }
  area.left = std::max(area.left, 0);
  area.top = std::max(area.top, 0);
  area.right = std::min(area.right, host_.WidthPx());
  area.bottom = std::min(area.bottom, host_.HeightPx());
  return area;
}

FormDocument Form::Snapshot(std::vector<std::string>& errors) {
  FormDocument doc = doc_;
  for (ControlSpec& desc : doc.controls) {
    auto it = std::find_if(controls_.begin(), controls_.end(), [&](const auto& e) { return e->desc.name == desc.name; });
    if (it == controls_.end() || !(*it)->control) continue;  // not loaded: kept as stored
    Entry& e = **it;
    const std::string where = doc_.form.name + ": control " + desc.name;
    JsonPropertyBag bag(nullptr, Resolver(), Namer(), where);
    try {
      e.control->UserControl_WriteProperties(bag);
    } catch (const RuntimeError& err) {
      errors.push_back(where + ": " + err.what() + " (" + std::to_string(err.Number()) + ")");
      continue;  // keep what was stored
    }
    for (const std::string& m : bag.Errors()) errors.push_back(m);
    Json props = bag.Written();
    // A value that could not be loaded stays in the document until the control is given a new one.
    for (const std::string& name : e.badProperties) {
      if (!props.contains(name) && e.desc.properties.contains(name)) props[name] = e.desc.properties[name];
    }
    // So does a value the control never asked for (a name it does not know).
    for (const auto& [name, value] : e.desc.properties.items()) {
      if (!props.contains(name) && !e.readProperties.contains(name)) props[name] = value;
    }
    const RectL r = e.site->Window().ScreenRect();
    const RectL f = window_->ScreenRect();
    desc.left = AddCoord(r.left, -int64_t{f.left});
    desc.top = AddCoord(r.top, -int64_t{f.top});
    desc.width = e.site->Window().Pixels().Width();
    desc.height = e.site->Window().Pixels().Height();
    desc.stored = true;
    desc.properties = props;
  }
  return doc;
}

void Form::ProtectFile(const std::string& path) { protected_.push_back(path); }

void Form::CheckOutput(const std::string& path) const {
  for (const std::string& input : protected_) {
    if (SameFile(path, input)) throw FileError(path + ": is a file this run reads; not writing over it");
  }
  if (!doc_.source.empty() && SameFile(path, doc_.source)) {
    throw FileError(path + ": is the form document being read; not writing a picture over it");
  }
}

void Form::Save(const std::string& path) {
  for (const std::string& input : protected_) {
    if (SameFile(path, input)) throw FileError(path + ": is a file this run reads; not saving over it");
  }
  std::vector<std::string> errors;
  FormDocument doc = Snapshot(errors);
  for (const std::string& e : errors) Print("error: " + e);
  SaveFormDocument(doc, path);
}

Variant Form::MakeValue(const nlohmann::ordered_json& literal) { return JsonToVariant(literal, Resolver()); }

void Form::Print(const std::string& line) {
  if (output_) output_(line);
}

void Form::OnEvent(Object& source, DispId id, std::span<Variant> args) {
  const Entry* e = EntryOf(&source);
  if (!e) return;
  const EventInfo* ev = source.Class().FindEvent(id);
  std::string line = e->desc.name + "." + (ev ? std::string(ev->name) : "Event" + std::to_string(id)) + "(";
  for (size_t i = 0; i < args.size(); ++i) {
    if (i) line += ", ";
    line += FormatValue(args[i]);
  }
  Print(line + ")");
  if (handlers_.empty()) return;
  auto h = handlers_.find(e->desc.name + "." + (ev ? std::string(ev->name) : std::string()));
  if (h == handlers_.end()) return;
  // A handler that raises its own event again (a Click handler that clicks) ends here with
  // Out of stack space, raised to the handler line that raised the event; so do handlers that
  // raise events in a fan beyond the host's budget.
  const HeadlessHost::Nested nested(host_, HeadlessHost::Nested::Handler);
  ReplayRunner runner(*this, h->second, false);
  runner.RunAll();
  handlerFailures_ += runner.Failures();
}

}  // namespace vorn
