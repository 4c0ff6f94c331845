#pragma once
#include <string>
#include <vector>

#include "foundation/Object.h"
#include "foundation/Picture.h"
#include "foundation/Variant.h"

namespace vorn {

class ListImage;
class ListImages;

/// The host's image list, reached by member name: ImageWidth, ImageHeight, ListImages(i) and
/// ListImages(i).ExtractIcon. Pictures are held as loaded; a missing one keeps its position and
/// fails when drawn.
class ImageList : public Object {
 public:
  ImageList(std::string name, int16_t imageWidth, int16_t imageHeight);
  ~ImageList() override;
  const ClassInfo& Class() const override;

  const std::string& Name() const noexcept { return name_; }
  /// Appends a picture (null for one that could not be loaded).
  void Add(Ref<Picture> picture);
  int32_t Count() const noexcept { return static_cast<int32_t>(images_.size()); }

  int16_t get_ImageWidth() const { return width_; }
  int16_t get_ImageHeight() const { return height_; }
  Ref<ListImages> get_ListImages();

 private:
  friend class ListImages;
  std::string name_;
  int16_t width_;
  int16_t height_;
  std::vector<Ref<ListImage>> images_;
  // Made once: controls reach it on every repaint that draws an icon. It names its list without
  // holding it (that would be a cycle); the list lets go of it when it goes.
  Ref<ListImages> listImages_;
};

/// The image list's pictures, 1-based; Item is the default member.
class ListImages : public Object {
 public:
  explicit ListImages(ImageList* owner) : owner_(owner) {}
  const ClassInfo& Class() const override;
  Ref<ListImage> Item(Variant index);
  int32_t get_Count() const;

 private:
  friend class ImageList;
  ImageList* owner_;  // null once the list has gone
};

/// One picture of an image list.
class ListImage : public Object {
 public:
  ListImage(int32_t index, Ref<Picture> picture) : index_(index), picture_(std::move(picture)) {}
  const ClassInfo& Class() const override;
  /// The icon to draw; fails for a picture that could not be loaded.
  Ref<Picture> ExtractIcon();
  int32_t get_Index() const { return index_; }

 private:
  int32_t index_;
  Ref<Picture> picture_;
};

}  // namespace vorn
