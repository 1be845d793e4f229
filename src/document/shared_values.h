// The three integers all documents share: the radius of the cylinder being
// placed (also set from RCIL by the velocity vectors) and the centre last
// read from XCIL and YCIL by the velocity vectors.
#pragma once

struct SharedValues {
    int cylinderRadius = 0;
    int centreX = 0;
    int centreY = 0;
};

SharedValues& sharedValues();
