#pragma once

class QLineEdit;

// Makes a password field show every character as "*".
void UseStarPasswordCharacter(QLineEdit* field);
