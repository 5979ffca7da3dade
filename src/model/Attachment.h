#pragma once

namespace wendle {

// Drawing state that a model object owns but the model does not know: the
// rendering layer keeps a face's raster and picture, or the canvas raster,
// in a subclass of this. Released with its owner.
class Attachment {
  public:
    virtual ~Attachment() = default;
};

}  // namespace wendle
