#pragma once
// A result computed up to a fault: everything before it, and the fault. The
// caller shows the part first and raises the fault after, so a run that stops
// midway leaves on screen what a point-by-point run would have left.
#include <exception>

template <class T>
struct TPartial {
    T done;
    std::exception_ptr fault; // null when the computation completed

    void RaiseFault() const
    {
        if (fault)
            std::rethrow_exception(fault);
    }
};
