#pragma once
#include <string>
#include <utility>
#include <vector>

namespace vorn {

/// A registry file of the library's own, in the text form of registry exports:
///   [HKEY_CLASSES_ROOT\CLSID\{...}]
///   @="vornButton"
///   "ThreadingModel"="Apartment"
/// Keys keep their order; names and values are strings.
class Registry {
 public:
  struct Value {
    std::string name;  // "" for the key's default value (written @)
    std::string data;
  };
  struct Key {
    std::string path;
    std::vector<Value> values;
  };

  /// The registry file's path: VORN_REGISTRY, else the user's configuration folder.
  static std::string DefaultPath();

  /// Reads a file (a missing file is an empty registry). Throws std::runtime_error naming the file
  /// and line when it cannot be read as a registry (or is not a regular file), so that nothing
  /// overwrites what it holds.
  static Registry Load(const std::string& path);
  /// Writes atomically (a temporary file renamed over it), creating the folder if needed. A path
  /// that is a link, a folder or a device is refused and left alone.
  void Save(const std::string& path) const;

  void Set(const std::string& path, const std::string& name, const std::string& data);
  /// A key with no values (its existence says something, like a control's "Control" key).
  void Touch(const std::string& path);
  /// Removes a key and every key below it; returns how many went.
  int RemoveTree(const std::string& path);
  const Key* Find(const std::string& path) const;
  /// The value of a key, or "" (nullptr when absent).
  const std::string* Get(const std::string& path, const std::string& name) const;
  const std::vector<Key>& Keys() const noexcept { return keys_; }

 private:
  std::vector<Key> keys_;
};

}  // namespace vorn
