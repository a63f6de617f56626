// Where each part of a model finds its colours in its texture: rectangles (u0, v0, u1, v1) in
// picture coordinates, u from the left edge and v from the top edge of the picture as painted.
// The pictures are stored bottom row first, so the generator writes the texture coordinate
// t = 1 - v. The skins are painted
// in horizontal bands (head at the top, then body, then legs; a sword's blade, guard, grip and
// pommel; a torch's flame, head, shaft and bracket), with a face in the middle of the head band,
// and the models map their parts onto these bands.
//
// How a rectangle is used:
// - a box part: the four sides side by side (front +z, right +x, back -z, left -x, each a
//   quarter of the width) from v0 at their bottom edge to the middle of the rectangle at their
//   top edge, then the top and the bottom face side by side in the other half;
// - a round part (body, head, skirt; turned about the y axis): u runs once around it with the
//   front (+z) at the middle of the rectangle and the seam at the back, v0 at its bottom and v1
//   at its top (so a rectangle with v0 > v1 puts the top of the part higher up the picture);
// - a flat part (screen, cape, pane): the whole rectangle, v0 at its lower edge.
#pragma once

struct SkinRect {
    float u0, v0, u1, v1;
};

// teletub_kleiderbuegel.bmp: purple plush, the face at (0.5, 0.13), the tummy screen in
// u 0.33 to 0.67, v 0.36 to 0.56, darker fur below v 0.65.
namespace skin_teletubby {
constexpr SkinRect HEAD = {0.0f, 0.25f, 1.0f, 0.0f};
constexpr SkinRect BODY = {0.0f, 0.62f, 1.0f, 0.25f};
constexpr SkinRect SCREEN = {0.34f, 0.555f, 0.66f, 0.365f};
constexpr SkinRect ANTENNA = {0.02f, 0.1f, 0.2f, 0.02f};
constexpr SkinRect LIMB = {0.02f, 0.62f, 0.28f, 0.26f};
constexpr SkinRect HAND = {0.1f, 0.98f, 0.9f, 0.68f};
constexpr SkinRect TRUNK = {0.72f, 0.62f, 0.98f, 0.26f};
} // namespace skin_teletubby

// hoehlenorc.tga: green hide, the face (yellow eyes, tusks) in the head band above v 0.25, a
// leather jerkin with crossed straps in v 0.25 to 0.62, fur breeches below.
namespace skin_caveorc {
constexpr SkinRect HIDE = {0.02f, 0.24f, 0.22f, 0.02f};
constexpr SkinRect FACE = {0.3f, 0.24f, 0.7f, 0.02f};
constexpr SkinRect JERKIN = {0.2f, 0.62f, 0.8f, 0.25f};
constexpr SkinRect LEATHER = {0.02f, 0.6f, 0.3f, 0.3f};
constexpr SkinRect TUSK = {0.433f, 0.198f, 0.447f, 0.158f};
constexpr SkinRect BREECHES = {0.0f, 0.98f, 1.0f, 0.64f};
} // namespace skin_caveorc

// princess.tga: golden hair round the face in the head band above v 0.27 (the face at
// (0.5, 0.15), a crown above v 0.05), the bodice in v 0.25 to 0.5, the gown below.
namespace skin_princess {
constexpr SkinRect HEAD = {0.0f, 0.27f, 1.0f, 0.0f};
constexpr SkinRect CROWN = {0.2f, 0.045f, 0.8f, 0.005f};
constexpr SkinRect HAIR = {0.02f, 0.26f, 0.26f, 0.06f};
constexpr SkinRect SKIN = {0.34f, 0.175f, 0.38f, 0.14f};
constexpr SkinRect BODICE = {0.0f, 0.5f, 1.0f, 0.26f};
constexpr SkinRect GOWN = {0.0f, 1.0f, 1.0f, 0.5f};
} // namespace skin_princess

// fuerst_for_animat.tga: black plate armour with gold trim, the helmet above v 0.22 (a visor
// slit with burning eyes at v 0.105, gold spikes above v 0.05), a red cloak down both sides.
namespace skin_fuerst {
constexpr SkinRect HELMET = {0.0f, 0.22f, 1.0f, 0.0f};
constexpr SkinRect SPIKE = {0.3f, 0.04f, 0.7f, 0.0f};
constexpr SkinRect ARMOUR = {0.25f, 0.95f, 0.75f, 0.25f};
constexpr SkinRect CAPE = {0.01f, 0.95f, 0.17f, 0.25f};
} // namespace skin_fuerst

// short_sword.tga, long_sword.tga: steel from the tip (v 0) down to v 0.66 (short) or 0.72
// (long), then the guard (0.07 high), the grip to v 0.93 and the pommel.
namespace skin_sword {
constexpr SkinRect BLADE = {0.0f, 0.64f, 1.0f, 0.0f};
constexpr SkinRect SHORT_GUARD = {0.0f, 0.725f, 1.0f, 0.665f};
constexpr SkinRect LONG_GUARD = {0.0f, 0.785f, 1.0f, 0.725f};
constexpr SkinRect GRIP = {0.0f, 0.92f, 1.0f, 0.8f};
} // namespace skin_sword

// torch_an_wand.tga: flame above v 0.3 (yellow at 0, red towards 0.3), pitch to 0.45, wood to
// 0.85, iron below.
namespace skin_torch {
constexpr SkinRect FLAME = {0.0f, 0.0f, 1.0f, 0.3f};
constexpr SkinRect PITCH = {0.0f, 0.44f, 1.0f, 0.31f};
constexpr SkinRect WOOD = {0.0f, 0.84f, 1.0f, 0.46f};
constexpr SkinRect IRON = {0.0f, 1.0f, 1.0f, 0.86f};
} // namespace skin_torch

// hebel.tga: a red knob above v 0.25, steel below.
namespace skin_lever {
constexpr SkinRect STEEL = {0.0f, 1.0f, 1.0f, 0.3f};
constexpr SkinRect KNOB = {0.1f, 0.22f, 0.6f, 0.02f};
} // namespace skin_lever

// halterung_hebel.tga: the whole picture is the iron plate. pizza.bmp: the pizza seen from
// above filling the picture, the crust at the rim.
