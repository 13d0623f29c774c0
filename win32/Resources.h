// The resources compiled into the program (tovan-xiangqi.rc.in), shared by the resource
// compiler and the code, so plain preprocessor definitions.
#ifndef XIANGQI_WIN32_RESOURCES_H
#define XIANGQI_WIN32_RESOURCES_H

#define IDI_PROGRAM 1

// The picture banks drawn by tools/drawpictures, one for each scale of the screen.
#define IDR_BANK_100 100
#define IDR_BANK_125 125
#define IDR_BANK_150 150
#define IDR_BANK_175 175
#define IDR_BANK_200 200
#define IDR_BANK_225 225
#define IDR_BANK_250 250
#define IDR_BANK_300 300

#define IDR_FONT_SONG 401
#define IDR_FONT_TAHOMA 402
// The About pictures drawn by tools/drawpictures, one for each scale: 1000 + the scale in percent.
#define IDR_ABOUT_100 1100
#define IDR_ABOUT_125 1125
#define IDR_ABOUT_150 1150
#define IDR_ABOUT_175 1175
#define IDR_ABOUT_200 1200
#define IDR_ABOUT_225 1225
#define IDR_ABOUT_250 1250
#define IDR_ABOUT_300 1300

#endif
