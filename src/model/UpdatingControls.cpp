#include "model/UpdatingControls.h"

namespace wendle {

namespace {
bool flag = false;
}

bool updatingControls() {
    return flag;
}
void setUpdatingControls(bool on) {
    flag = on;
}

}  // namespace wendle
