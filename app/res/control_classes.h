// The predefined window classes by their ordinals, as dialog templates name
// them. Written as a quoted name, windres would store the class name in
// capitals instead (the platform matches class names without regard to case,
// but the ordinal is the template's own form).
#ifndef KESTRUNE_CONTROL_CLASSES_H
#define KESTRUNE_CONTROL_CLASSES_H

#define CLASS_BUTTON 0x0080
#define CLASS_EDIT 0x0081
#define CLASS_STATIC 0x0082
#define CLASS_COMBOBOX 0x0085

#endif
