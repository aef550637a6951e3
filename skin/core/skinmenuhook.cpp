#include "skin/core/skinmenuhook.h"

namespace {
SkinMenuHookFactory& factoryStore()
{
    static SkinMenuHookFactory factory;
    return factory;
}
} // namespace

void setSkinMenuHookFactory(SkinMenuHookFactory factory)
{
    factoryStore() = std::move(factory);
}
const SkinMenuHookFactory& skinMenuHookFactory()
{
    return factoryStore();
}
