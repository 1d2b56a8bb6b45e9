#pragma once
void IntroStart();
void IntroTick();
void IntroFrame();
