#include "Failure.h"

#include <exception>
#include <new>

namespace text {

CMessage DescribeCurrentException()
{
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return Tr("Failure", "not enough memory");
    } catch (const std::exception& e) {
        return CMessage::Verbatim(e.what());
    } catch (...) {
        return Tr("Failure", "an unexpected failure");
    }
}

}  // namespace text
