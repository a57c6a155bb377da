#include "editors/MemoProperties.h"

TcxCustomMemoProperties::TcxCustomMemoProperties(TPersistent* owner)
    : TcxCustomTextEditProperties(owner) {
    SetAutoSelect(false);
    Alignment().SetVert(taTopJustify);
}
