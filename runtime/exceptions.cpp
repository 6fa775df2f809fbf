#include "runtime/exceptions.h"

void RaiseListIndexError(long long index)
{
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

std::string ErrorDisplayText(const std::string& message)
{
    std::string text = message;
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    return text;
}
