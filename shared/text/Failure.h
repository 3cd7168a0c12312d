#pragma once

#include "Message.h"

namespace text {

// The text for the user of the exception being handled; call it only inside a catch
// block. An allocation failure reads "not enough memory", any other standard exception
// its own what(), anything else "an unexpected failure". Lower case and without a full
// stop, so that callers can prefix it ("--measure: not enough memory").
CMessage DescribeCurrentException();

}  // namespace text
