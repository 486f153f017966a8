// Module SearchLib_Unt: TSearchLib, the modeless, always-on-top search dialog. It is
// created once at start-up; closing it only hides it.
#pragma once

#include "forms/Form.h"

namespace zuno::search {

class TSearchLib : public forms::TForm {
public:
    explicit TSearchLib(forms::TComponent* owner);
};

extern TSearchLib* SearchLib;

}  // namespace zuno::search
