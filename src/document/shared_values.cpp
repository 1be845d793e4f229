#include "document/shared_values.h"

SharedValues& sharedValues() {
    static SharedValues values;
    return values;
}
