#pragma once

// The root of the objects the class registry can create by class name.
class TPersistentObject {
public:
    virtual ~TPersistentObject() = default;
};
