#pragma once

// A component placed by a form's layout. After every component of the
// layout has been created and given its settings, the form tells each one,
// in creation order, that loading is complete; only then does the form's
// creation handler run.
class LayoutComponent
{
public:
    virtual ~LayoutComponent() = default;
    virtual void Loaded() = 0;
};
