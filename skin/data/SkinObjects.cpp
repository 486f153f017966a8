// Construction and destruction of the skin data objects. Each constructor takes the
// object's name and starts with empty bitmaps; the destructors free them.
#include "skin/data/SkinObjects.h"

#include <utility>

namespace zuno::skin {

TDataSkinObject::TDataSkinObject(std::string name) : Name(std::move(name)) {}
TDataSkinObject::~TDataSkinObject() = default;

TDataSkinBorder::TDataSkinBorder(std::string name) : TDataSkinObject(std::move(name)) {}
TDataSkinBorder::~TDataSkinBorder() = default;

TDataSkinTitle::TDataSkinTitle(std::string name) : TDataSkinObject(std::move(name)) {}
TDataSkinTitle::~TDataSkinTitle() = default;

TDataSkinButton::TDataSkinButton(std::string name) : TDataSkinObject(std::move(name)) {}
TDataSkinButton::~TDataSkinButton() = default;

TDataSkinSysButton::TDataSkinSysButton(std::string name) : TDataSkinObject(std::move(name)) {}
TDataSkinSysButton::~TDataSkinSysButton() = default;

}  // namespace zuno::skin
