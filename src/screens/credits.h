#pragma once
void CreditsTick();
